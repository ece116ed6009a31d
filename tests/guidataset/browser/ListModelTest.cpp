// The browser's list model under Qt's model checker: fills, inserts, deletes,
// column rebuilds and sorting keep it consistent, and its selection is what
// the pages read.
#include "guidataset/browser/CDatafolderListModel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

std::vector<ListRow> Rows(std::initializer_list<const char*> hosts)
{
    std::vector<ListRow> rows;
    for (const char* host : hosts)
        rows.push_back(ListRow{{host, std::string(host) + "-time"}, 3, std::string(host) + ".config"});
    return rows;
}

std::vector<std::string> Hosts(const CDatafolderListModel& model)
{
    std::vector<std::string> hosts;
    for (int row = 0; row < model.GetItemCount(); ++row)
        hosts.push_back(model.GetItemText(row, 0));
    return hosts;
}

} // namespace

TEST(DatafolderListModel, StaysConsistentThroughEveryChangeAPageMakes)
{
    CDatafolderListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.InsertColumn(0, "Hostname", 310);
    model.InsertColumn(1, "Execution Time", 120);
    model.InsertRows(0, Rows({"r10", "r2", "core"}));
    model.InsertRows(1, Rows({"edge"}));
    EXPECT_THAT(Hosts(model), ElementsAre("r10", "edge", "r2", "core"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString().toStdString(), "edge-time");
    EXPECT_EQ(model.data(model.index(1, 0), Qt::ToolTipRole).toString().toStdString(), "edge.config");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString().toStdString(), "Execution Time");
    EXPECT_EQ(model.GetItemImage(1), 3);

    model.SetRowSelected(0, true);
    model.SetRowSelected(2, true);
    EXPECT_THAT(model.GetSelectedRows(), ElementsAre(0, 2));
    // Sorting keeps the chosen rows chosen; host numbers sort as numbers.
    model.sort(0, Qt::AscendingOrder);
    EXPECT_THAT(Hosts(model), ElementsAre("core", "edge", "r2", "r10"));
    EXPECT_THAT(model.GetSelectedRows(), ElementsAre(2, 3));
    model.sort(0, Qt::DescendingOrder);
    EXPECT_THAT(Hosts(model), ElementsAre("r10", "r2", "edge", "core"));

    model.DeleteItem(1);
    EXPECT_THAT(model.GetSelectedRows(), ElementsAre(0));
    model.SetItemText(0, 1, "changed");
    EXPECT_EQ(model.GetItemText(0, 1), "changed");
    for (int column = model.GetColumnCount() - 1; column >= 0; --column)
        model.DeleteColumn(column);
    model.InsertColumn(0, "Hostname", 180);
    model.DeleteAllItems();
    EXPECT_EQ(model.rowCount(), 0);
    model.InsertRows(0, Rows({"a", "b"}));
    // The sort chosen before the columns were rebuilt applies to the next fill.
    model.ApplySort();
    EXPECT_THAT(Hosts(model), ElementsAre("b", "a"));
    EXPECT_FALSE(model.index(0, 1).isValid());
    EXPECT_EQ(model.GetItemText(5, 0), "");
}

TEST(DatafolderListModel, ShowsNamesThatAreNoUtf8WithoutLosingThem)
{
    CDatafolderListModel model;
    model.InsertColumn(0, "Hostname", 310);
    const std::string raw = "r\xff" "1";
    model.InsertRows(0, {ListRow{{raw}, 0, raw + ".config"}});
    EXPECT_EQ(model.GetItemKey(0), raw + ".config");
    EXPECT_EQ(model.GetItemText(0, 0), raw);
    EXPECT_FALSE(model.data(model.index(0, 0)).toString().isEmpty());
}
