#include "guidataset/browser/CTWDatafolderView.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CBrowserIcons.h"
#include "guidataset/browser/CDataFolderDropTarget.h"
#include "guidataset/browser/CDatafolderFileList.h"
#include "guidataset/browser/CDatafolderListModel.h"
#include "guidataset/browser/CSubDatasetBase.h"
#include "guidataset/browser/SubDatasetProvider.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/PageTable.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/resources/DatafolderBrowserIds.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/Profile.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr const char* kProfileSection = "DatafolderView";
constexpr const char* kFilterKey = "TextFilter";
constexpr const char* kLastIndexKey = "LastIndex";

// The filter's background: white when empty, and this when it narrows the list.
const QColor kFilterActive(0xff, 0xa0, 0xff);

} // namespace

CTWDatafolderView::CTWDatafolderView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dlg%1").arg(ids::kIddDatafolderView));

    m_model = new CDatafolderListModel(this);
    // Devices in name order until the user picks another column.
    m_model->SetSort(CDatafolderListModel::kColumnHostname, Qt::AscendingOrder);
    m_list = new CDatafolderFileList(this);
    m_list->setModel(m_model);
    m_list->setSelectionModel(m_model->SelectionModel());
    m_model->SetView(m_list);
    platform::SetControlId(m_list, ids::kIdcDatafolderList);

    m_compare = new QPushButton(QStringLiteral("Compare"), this);
    platform::SetControlId(m_compare, ids::kIdcDatafolderCompare);
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    platform::SetControlId(m_delete, ids::kIdcDatafolderDelete);
    m_filterLabel = new QLabel(QStringLiteral("Hostname Filter:"), this);
    platform::SetControlId(m_filterLabel, ids::kIdcDatafolderFilterLabel);
    m_filter = new QLineEdit(this);
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(QStringLiteral("host name, Enter"));
    m_filter->setMinimumWidth(180);
    m_filter->setAutoFillBackground(true);
    m_filter->installEventFilter(this);
    m_filterLabel->setBuddy(m_filter);
    platform::SetControlId(m_filter, ids::kIdcDatafolderFilter);
    m_status = new QLabel(this);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    platform::SetControlId(m_status, ids::kIdcDatafolderStatus);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_compare);
    bottom->addWidget(m_delete);
    bottom->addSpacing(12);
    bottom->addWidget(m_filterLabel);
    bottom->addWidget(m_filter);
    bottom->addSpacing(12);
    bottom->addWidget(m_status, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(6);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);

    connect(m_list, &QAbstractItemView::clicked, this, [this] { UpdateButtons(true); });
    connect(m_model->SelectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(false); });
    const auto view = [this] {
        if (CSubDatasetBase* page = Page()) {
            ClaimSelection();
            page->OnDoubleClick();
            UpdateStatus();
        }
    };
    connect(m_list, &QAbstractItemView::doubleClicked, this, view);
    m_list->SetOnEnter(view);
    m_list->SetOnDeleteKey([this] { OnDelete(); });
    m_list->SetDragPaths([this] {
        std::vector<std::string> paths;
        if (CSubDatasetBase* page = Page()) {
            ClaimSelection();
            for (int row : m_model->GetSelectedRows()) {
                std::string path;
                page->GetFilePath(path, row, false);
                if (!path.empty())
                    paths.push_back(path);
            }
        }
        return paths;
    });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { OnListContextMenu(m_list->viewport()->mapToGlobal(at)); });
    connect(m_compare, &QPushButton::clicked, this, &CTWDatafolderView::OnCompare);
    connect(m_delete, &QPushButton::clicked, this, &CTWDatafolderView::OnDelete);
    connect(m_filter, &QLineEdit::textChanged, this, &CTWDatafolderView::RecolourFilter);
    // Ctrl+F goes to the filter of this browser only: several may be open.
    auto* find = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });

    QHeaderView* header = m_list->header();
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        const Qt::SortOrder order = m_model->SortColumn() == column && m_model->SortOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        m_model->sort(column, order);
        m_list->header()->setSortIndicatorShown(true);
        m_list->header()->setSortIndicator(column, order);
    });

    m_dropTarget = new CDataFolderDropTarget(this);
    m_dropTarget->RegisterList(
        m_list,
        [this]() -> std::optional<CDataFolderDropTarget::Target> {
            if (!m_content || !m_selection || !Page())
                return std::nullopt;
            DatafolderSelection mine = *m_selection;
            mine.displayName = m_content->dataFolderName;
            mine.pageId = m_pageId;
            CDataFolderDropTarget::Target target;
            target.kindFolder = mine.GetKindFolder(m_content->dataFolderPath);
            target.dataFolderPath = m_selection->dataFolderPath.empty() ? m_content->dataFolderPath
                                                                        : m_selection->dataFolderPath;
            target.pageId = m_pageId;
            if (target.kindFolder.empty())
                return std::nullopt;
            return target;
        },
        [this] {
            if (m_content)
                ShowContent(DatafolderDataDisplayContent(*m_content));
        });

    RecolourFilter();
    UpdateButtons(true);
}

CTWDatafolderView::~CTWDatafolderView()
{
    // The page keeps the list it was given; it must not outlive this form's model.
    if (CSubDatasetBase* page = Page(); page && page->GetList() == m_model)
        page->SetListCtrl(nullptr, false);
}

CSubDatasetBase* CTWDatafolderView::Page() const
{
    return m_provider && m_pageId != 0 ? m_provider->GetPage(m_pageId) : nullptr;
}

void CTWDatafolderView::ShowContent(const DatafolderDataDisplayContent& content)
{
    const int pageId = PageIdOfCaption(content.tabCaption);
    if (pageId == 0)
        return;
    // What the user had selected stays selected when it is still listed.
    std::set<std::string> kept;
    if (m_content && m_content->dataFolderPath == content.dataFolderPath &&
        m_content->dataFolderName == content.dataFolderName)
        for (int row : m_model->GetSelectedRows())
            kept.insert(m_model->GetItemKey(row));

    m_content = std::make_unique<DatafolderDataDisplayContent>(content);
    m_provider = content.provider;
    m_menuFlag = content.menuFlag;
    m_selection = content.selection;
    m_pageId = pageId;
    m_model->SetRowIcon(CBrowserIcons::TabIcon(pageId));

    CSubDatasetBase* page = Page();
    if (!page)
        return;
    page->SetListCtrl(m_model, false);
    int layoutId = 0;
    bool flag = false;
    page->PrepareColumns(layoutId, flag);
    ApplyColumnWidths();
    const std::string filter = CSubDatasetBase::SavedFilter();
    page->Fill(pageId, content, filter);
    m_model->ApplySort();
    UpdateStatus();
    m_filter->setText(QString::fromStdString(filter));

    bool reselected = false;
    if (!kept.empty()) {
        for (int row = 0; row < m_model->GetItemCount(); ++row) {
            if (kept.count(m_model->GetItemKey(row))) {
                if (!reselected)
                    m_model->SelectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
                m_model->SetRowSelected(row, true);
                reselected = true;
            }
        }
    }
    if (!reselected)
        SelectFirstRow();
    UpdateButtons(true);
}

void CTWDatafolderView::ActivateTab(int tabIndex)
{
    if (!m_selection || !m_content)
        return;
    ClaimSelection();
    ShowContent(DatafolderDataDisplayContent(*m_content));
    platform::WriteProfileInt(kProfileSection, kLastIndexKey, tabIndex);
}

void CTWDatafolderView::ClaimSelection()
{
    if (!m_selection || !m_content)
        return;
    m_selection->displayName = m_content->dataFolderName;
    m_selection->pageId = m_pageId;
}

bool CTWDatafolderView::IsLocked() const
{
    if (!m_selection)
        return false;
    bool cancel = false;
    const GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    if (!service)
        service = GuiDatasetCenterImpl::Instance();
    return service->IsLocked2(m_selection->dataFolderPath, cancel, false);
}

void CTWDatafolderView::OnCompare()
{
    CSubDatasetBase* page = Page();
    if (!page || !m_selection)
        return;
    ClaimSelection();
    page->OnCommand(browsercmd::kCompare, m_selection->pageId);
    UpdateStatus();
}

void CTWDatafolderView::OnDelete()
{
    CSubDatasetBase* page = Page();
    if (!page || !m_selection)
        return;
    ClaimSelection();
    if (IsLocked()) {
        platform::MessageBoxTW("You cannot delete an item in the DataFolder since it is locked.",
                               platform::BoxIcon::Information, platform::BoxButtons::Ok, this);
        return;
    }
    page->OnCommand(browsercmd::kDelete, m_selection->pageId);
    UpdateStatus();
    UpdateButtons(true);
}

void CTWDatafolderView::OnListContextMenu(const QPoint& globalPoint)
{
    const bool locked = IsLocked();
    CSubDatasetBase* page = Page();
    if (!page || !m_selection || m_menuFlag == 0)
        return;
    ClaimSelection();
    page->ShowContextMenu(ScreenPoint{globalPoint.x(), globalPoint.y()}, m_selection->pageId, locked);
    UpdateStatus();
    UpdateButtons(true);
}

void CTWDatafolderView::OnFilterCommitted()
{
    if (!m_content)
        return;
    platform::WriteProfileString(kProfileSection, kFilterKey, m_filter->text().trimmed().toStdString());
    ShowContent(DatafolderDataDisplayContent(*m_content));
}

bool CTWDatafolderView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filter) {
        if (event->type() == QEvent::FocusOut) {
            OnFilterCommitted();
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                OnFilterCommitted();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CTWDatafolderView::UpdateStatus()
{
    if (!m_content)
        return;
    std::string text = BrowserStatusText(m_model->GetItemCount(), m_content->tabCaption);
    std::string tip;
    if (CSubDatasetBase* page = Page()) {
        const CSubDatasetBase::FillNotes& notes = page->GetFillNotes();
        if (!notes.folderProblem.empty()) {
            text += "(the folder cannot be read)";
            tip = notes.folderProblem;
        } else if (notes.unnamedFiles > 0) {
            const bool one = notes.unnamedFiles == 1;
            text += "(" + std::to_string(notes.unnamedFiles) + (one ? " file is" : " files are") +
                    " not named as a table)";
            tip = "Table files are named <host>.<ext>, <host>$<qualifier>.<ext> or "
                  "<host>$<name>$<qualifier>.<ext>; rows of other names show the file name in Hostname "
                  "and an empty Name. Rename them to give them a table name.";
        }
    }
    m_status->setText(QString::fromStdString(text));
    m_status->setToolTip(QString::fromStdString(tip));
}

void CTWDatafolderView::UpdateButtons(bool fromClick)
{
    const bool one = m_model->GetSelectedCount() == 1;
    m_compare->setEnabled(one);
    if (fromClick)
        m_delete->setEnabled(one);
}

void CTWDatafolderView::ApplyColumnWidths()
{
    QHeaderView* header = m_list->header();
    for (int column = 0; column < m_model->GetColumnCount(); ++column)
        header->resizeSection(column, m_model->GetColumnWidth(column));
    if (m_model->SortColumn() >= 0 && m_model->SortColumn() < m_model->GetColumnCount()) {
        header->setSortIndicatorShown(true);
        header->setSortIndicator(m_model->SortColumn(), m_model->SortOrder());
    }
}

void CTWDatafolderView::RecolourFilter()
{
    QPalette palette = m_filter->palette();
    palette.setColor(QPalette::Base, m_filter->text().isEmpty() ? QColor(Qt::white) : kFilterActive);
    m_filter->setPalette(palette);
}

void CTWDatafolderView::SelectFirstRow()
{
    if (m_model->GetItemCount() == 0)
        return;
    m_model->SelectionModel()->setCurrentIndex(m_model->index(0, 0),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollToTop();
}
