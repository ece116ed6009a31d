#include "guidataset/compare/CDlgSelect2Dataset.h"

#include "guidataset/compare/ComparePickers.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/DlgSelect2DatasetIds.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CDlgSelect2Dataset::CDlgSelect2Dataset(bool showTableChoice, QWidget* parent)
    : QDialog(parent), m_showTableChoice(showTableChoice)
{
    setWindowTitle("Please Select Two DataFolders");
    platform::SetControlId(this, kIddSelect2Dataset);
    BuildSide(m_first, kIdcSelect2DatasetFirstPicker, kIdcSelect2DatasetFirstLive, kIdcSelect2DatasetFirstSimulated);
    BuildSide(m_second, kIdcSelect2DatasetSecondPicker, kIdcSelect2DatasetSecondLive,
              kIdcSelect2DatasetSecondSimulated);

    auto* grid = new QGridLayout;
    int row = 0;
    for (auto [side, label] : {std::pair{&m_first, "First DataFolder:"}, std::pair{&m_second, "Second DataFolder:"}}) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(side->picker, row++, 1);
        auto* radios = new QHBoxLayout;
        radios->addWidget(side->live);
        radios->addWidget(side->simulated);
        radios->addStretch(1);
        grid->addLayout(radios, row++, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    platform::SetControlId(ok, kIdcSelect2DatasetOk);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    platform::SetControlId(cancel, kIdcSelect2DatasetCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &CDlgSelect2Dataset::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CDlgSelect2Dataset::~CDlgSelect2Dataset() = default;

void CDlgSelect2Dataset::BuildSide(Side& side, int pickerId, int liveId, int simulatedId)
{
    side.picker = new CDatasetComboBox(this);
    side.picker->setMinimumContentsLength(28);
    platform::SetControlId(side.picker, pickerId);
    side.live = new QRadioButton("Cached Live Route Table", this);
    platform::SetControlId(side.live, liveId);
    side.simulated = new QRadioButton("Simulated Route Table", this);
    platform::SetControlId(side.simulated, simulatedId);
    side.tables = new QButtonGroup(this);
    side.tables->addButton(side.live, kCachedLive);
    side.tables->addButton(side.simulated, kSimulated);
    side.live->hide();
    side.simulated->hide();
}

void CDlgSelect2Dataset::SetDataFolders(const std::string& first, const std::string& second)
{
    m_firstIn = first;
    m_secondIn = second;
}

void CDlgSelect2Dataset::SetTableChoices(int first, int second)
{
    m_firstTable = first;
    m_secondTable = second;
}

void CDlgSelect2Dataset::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDlgSelect2Dataset::OnInitDialog()
{
    for (auto [side, choice] : {std::pair{&m_first, m_firstTable}, std::pair{&m_second, m_secondTable}}) {
        side->live->setVisible(m_showTableChoice);
        side->simulated->setVisible(m_showTableChoice);
        if (QAbstractButton* button = side->tables->button(choice))
            button->setChecked(true);
    }
    FillComparePickers(*m_first.picker, *m_second.picker, m_firstIn, m_secondIn, false,
                       m_offerWorkspace && GetCurrentBaseline());
}

void CDlgSelect2Dataset::OnOk()
{
    const int firstTable = m_first.tables->checkedId();
    const int secondTable = m_second.tables->checkedId();
    if (!m_allowSame && m_first.picker->currentText() == m_second.picker->currentText() &&
        firstTable == secondTable) {
        platform::AppMessageBox("The first DataFolder cannot be same with the second one .");
        return;
    }
    m_firstTable = firstTable < 0 ? kCachedLive : firstTable;
    m_secondTable = secondTable < 0 ? kCachedLive : secondTable;
    std::string name;
    m_firstPath = m_first.picker->GetDataSetPath("Please select a DataFolder", name);
    m_secondPath = m_second.picker->GetDataSetPath("Please select a DataFolder", name);
    accept();
}
