#include "apps/workstation/CLiveProgressWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace workstation {

namespace {
QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

CLiveProgressWindow::CLiveProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Retrieve Live Data"));
    setObjectName("liveProgressWindow");
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels({tr("Device"), tr("State"), tr("Result")});
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_running) {
            m_cancel->setEnabled(false);
            m_summary->setText(tr("Cancelling: open sessions are being closed..."));
            emit CancelRequested();
        } else {
            close();
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    resize(720, 360);
}

void CLiveProgressWindow::Start(const std::vector<std::string>& devices, const std::string& dataFolder)
{
    m_model->removeRows(0, m_model->rowCount());
    m_rows.clear();
    for (const std::string& device : devices)
        SetState(device, "Waiting");
    m_running = true;
    m_cancel->setText(tr("Cancel"));
    m_cancel->setEnabled(true);
    m_summary->setText(tr("Retrieving the live data of %1 devices into %2...").arg(devices.size()).arg(Q(dataFolder)));
}

int CLiveProgressWindow::Row(const std::string& device)
{
    const auto found = m_rows.find(device);
    if (found != m_rows.end())
        return found->second;
    const int row = m_model->rowCount();
    QList<QStandardItem*> items;
    for (int column = 0; column < ColumnCount; ++column)
        items << new QStandardItem(column == DeviceColumn ? Q(device) : QString());
    m_model->appendRow(items);
    m_rows[device] = row;
    return row;
}

void CLiveProgressWindow::SetState(const std::string& device, const std::string& state)
{
    m_model->item(Row(device), StateColumn)->setText(Q(state));
}

void CLiveProgressWindow::SetResult(const std::string& device, bool succeeded, const std::string& summary)
{
    const int row = Row(device);
    m_model->item(row, StateColumn)->setText(succeeded ? tr("Done") : tr("Failed"));
    m_model->item(row, ResultColumn)->setText(Q(summary));
    m_model->item(row, ResultColumn)->setToolTip(Q(summary));
}

void CLiveProgressWindow::Finish(int succeeded, int total, bool cancelled)
{
    m_running = false;
    m_cancel->setText(tr("Close"));
    m_cancel->setEnabled(true);
    QString text = tr("%1 of %2 devices returned all their live data.").arg(succeeded).arg(total);
    if (cancelled)
        text += " " + tr("The retrieval was cancelled.");
    m_summary->setText(text);
}

QString CLiveProgressWindow::Summary() const
{
    return m_summary->text();
}

} // namespace workstation
