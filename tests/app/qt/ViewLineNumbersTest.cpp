#include "AppFixture.h"
#include "app/CommandIds.h"

#include <QMenu>
#include <QMenuBar>

namespace {

class ViewLineNumbers : public AppFixture {
protected:
    QAction* viewMenuItem(const QString& text) {
        for (QAction* menu : window()->menuBar()->actions()) {
            if (menu->text() == QStringLiteral("View")) {
                for (QAction* item : menu->menu()->actions()) {
                    if (item->text() == text) {
                        return item;
                    }
                }
            }
        }
        return nullptr;
    }
};

TEST_F(ViewLineNumbers, TheViewItemTogglesEveryEditorAndIsRemembered) {
    CChildWin* first = open(files_.write("a.html", "a"));
    EXPECT_FALSE(first->editor().lineNumbersShown()) << "off by default";
    QAction* item = viewMenuItem(QStringLiteral("&Line Numbers"));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(refreshed(Cmd::LineNumbers)->isChecked());
    item->trigger();
    settle();
    EXPECT_TRUE(first->editor().lineNumbersShown());
    EXPECT_TRUE(refreshed(Cmd::LineNumbers)->isChecked());
    CChildWin* second = open(files_.write("b.html", "b"));
    EXPECT_TRUE(second->editor().lineNumbersShown()) << "a new window follows the setting";
    app_.SaveSettings();
    EXPECT_EQ(storedSettings().value("Options/LineNumbers").toInt(), 1);
    item->trigger();
    settle();
    EXPECT_FALSE(first->editor().lineNumbersShown());
    EXPECT_FALSE(second->editor().lineNumbersShown());
    app_.SaveSettings();
    EXPECT_EQ(storedSettings().value("Options/LineNumbers").toInt(), 0);
}

TEST_F(ViewLineNumbers, TheStoredSettingTurnsThemOnAtTheNextStart) {
    {
        QSettings stored(QString::fromStdString(configPath()), QSettings::IniFormat);
        stored.setValue("Options/LineNumbers", 1);
    }
    app_.LoadSettings();
    CChildWin* document = open(files_.write("a.html", "a"));
    EXPECT_TRUE(document->editor().lineNumbersShown());
}

} // namespace
