#pragma once

#include <QTest>
#include <QTreeWidget>

// Finds the first node with text (depth first), opens its parents, scrolls
// it into view and clicks it as the user would. Null when there is none.
inline QTreeWidgetItem* findTreeItem(QTreeWidgetItem* item, const QString& text) {
    if (item->text(0) == text)
        return item;
    for (int child = 0; child < item->childCount(); ++child) {
        if (QTreeWidgetItem* found = findTreeItem(item->child(child), text))
            return found;
    }
    return nullptr;
}

inline void clickTreeItem(QTreeWidget* tree, QTreeWidgetItem* found) {
    for (QTreeWidgetItem* parent = found->parent(); parent != nullptr; parent = parent->parent())
        parent->setExpanded(true);
    tree->scrollToItem(found);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found).center());
}

inline QTreeWidgetItem* clickTreeItem(QTreeWidget* tree, const QString& text) {
    QTreeWidgetItem* found = nullptr;
    for (int top = 0; top < tree->topLevelItemCount() && found == nullptr; ++top)
        found = findTreeItem(tree->topLevelItem(top), text);
    if (found != nullptr)
        clickTreeItem(tree, found);
    return found;
}
