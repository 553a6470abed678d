// The import's mapping dialog: each field starts at its own column when the
// file has it, a box cannot go past the file's columns, items choose Replace
// or Merge, and the first line is shown column by column.

#include "exchange/widgets/import_dialogs.h"

#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace ovix;

TEST(ImportMappingDialog, StartsStraightAndKeepsToTheFilesColumns)
{
    struct Row {
        ImportSubject subject;
        int columns;
        const char *firstLine;
        const char *caption;
        size_t fields;
    } rows[] = {
        { ImportSubject::Items, 3, "5,caf\xe9,S1", "Inventory database", 17 },
        { ImportSubject::Customers, 20, "1,SMITH", "Customer database", 18 },
    };
    for (const Row &row : rows) {
        ImportMappingDialog dialog(row.subject, row.columns, row.firstLine);
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(row.caption));
        ColumnMap expected = initialColumnMap(row.subject, row.columns);
        EXPECT_EQ(dialog.columns(), expected);
        ASSERT_EQ(dialog.columns().size(), row.fields);
        auto *second = dialog.findChild<QSpinBox *>(QStringLiteral("column2"));
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->maximum(), row.columns);
        second->setValue(row.columns + 5);
        expected[1] = row.columns;
        EXPECT_EQ(dialog.columns(), expected);
        auto *example = dialog.findChild<QListWidget *>(QStringLiteral("example"));
        ASSERT_NE(example, nullptr);
        ASSERT_EQ(example->count(), row.columns);
        EXPECT_EQ(example->item(0)->text(),
            QStringLiteral("1: ") + QString::fromLatin1(row.firstLine).section(QLatin1Char(','), 0, 0));
        EXPECT_FALSE(dialog.merge());
    }
}

TEST(ImportMappingDialog, ItemsReplaceUnlessMergeIsChosen)
{
    ImportMappingDialog items(ImportSubject::Items, 2, "5,AB");
    auto *replace = items.findChild<QRadioButton *>(QStringLiteral("replace"));
    auto *merge = items.findChild<QRadioButton *>(QStringLiteral("merge"));
    ASSERT_NE(replace, nullptr);
    ASSERT_NE(merge, nullptr);
    EXPECT_TRUE(replace->isChecked());
    merge->setChecked(true);
    EXPECT_TRUE(items.merge());
    ImportMappingDialog customers(ImportSubject::Customers, 2, "5,AB");
    EXPECT_EQ(customers.findChild<QRadioButton *>(QStringLiteral("merge")), nullptr);
}
