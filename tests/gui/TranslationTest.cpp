// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "FrameFixture.h"
#include "app/CTranslations.h"
#include "core/model/CItemStyle.h"
#include "gui/dialogs/CAboutDlg.h"
#include "gui/dialogs/CDlgAutoSave.h"
#include "gui/dialogs/CDlgExportHtml5.h"
#include "gui/dialogs/CDlgFind.h"
#include "gui/dialogs/CDlgHtml.h"
#include "gui/dialogs/CDlgManageTemplates.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CDlgWebBrowser.h"
#include "gui/frame/CFrameActions.h"
#include "gui/props/CDlgAnimateSpeed.h"
#include "gui/props/CDlgBackgroundStyle.h"
#include "gui/props/CDlgFont.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/props/CPropertySheet.h"

namespace {

// Texts that are the same in German, each with its reason.
const std::set<QString> kSameInGerman = {
    "OK",                      // the German button says OK too
    "HTML",                    // a format's name
    "Link",                    // the German word for a web link
    "Desktop",                 // the German word for a desktop computer's screen
    "Normal",                  // the German word; the font effect and the item's normal state
    "Name:",                   // the German word
    "Text:",                   // the German word
    "Transparent ",            // the German word
    "Applet Tavelina Wizard",  // the program's name
};

// Every text a user reads where the editor shows it: key -> text. The keys
// are positions, the same in every language.
using Texts = std::map<QString, QString>;

void AddWidgetTexts(Texts& texts, const QString& key, QWidget* widget)
{
    texts[key + "/title"] = widget->windowTitle();
    int n = 0;
    const auto add = [&](const QString& text) { texts[QStringLiteral("%1/%2").arg(key).arg(n++)] = text; };
    for (QLabel* label : widget->findChildren<QLabel*>())
        add(label->text());
    for (QGroupBox* box : widget->findChildren<QGroupBox*>())
        add(box->title());
    for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
        // Qt's own buttons (OK, Cancel) come with Qt's translations.
        auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
        if (!box || box->standardButton(button) == QDialogButtonBox::NoButton) {
            add(button->text());
            add(button->toolTip());
        }
    }
}

void AddMenuTexts(Texts& texts, QMenuBar* bar)
{
    const QList<QAction*> titles = bar->actions();
    for (int m = 0; m < titles.size(); ++m) {
        const QString key = QStringLiteral("menu%1").arg(m);
        texts[key] = titles[m]->text();
        const QList<QAction*> entries = titles[m]->menu()->actions();
        for (int e = 0; e < entries.size(); ++e) {
            if (entries[e]->isSeparator() || !entries[e]->isVisible())
                continue;
            const QString entry = QStringLiteral("%1/%2").arg(key).arg(e);
            texts[entry + "/text"] = entries[e]->text();
            texts[entry + "/status"] = entries[e]->statusTip();
            texts[entry + "/tip"] = entries[e]->toolTip();
        }
    }
}

// The letters after '&' of the visible entries, lower case.
std::vector<QChar> Mnemonics(const QList<QAction*>& actions)
{
    static const QRegularExpression amp(QStringLiteral("&([^&])"));
    std::vector<QChar> letters;
    for (QAction* action : actions) {
        const QRegularExpressionMatch match = amp.match(action->text());
        if (!action->isSeparator() && action->isVisible() && match.hasMatch())
            letters.push_back(match.captured(1).at(0).toLower());
    }
    return letters;
}

bool HasWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).hasMatch();
}

class Translation : public FrameFixture {
protected:
    void TearDown() override
    {
        FrameFixture::TearDown();
        translations.Remove();
    }

    // The main window, the property window's sheets and the main dialogs
    // of an editor started now.
    Texts Collect()
    {
        Texts texts;
        if (!Start())
            return texts;
        AddMenuTexts(texts, Frame()->menuBar());
        Trigger(CFrameActions::Property);
        CPropertyFrame* props = Tree()->PropertyFrame();
        if (!props)
            return texts;
        texts["props/title"] = props->windowTitle();
        using Sheet = CPropertyFrame::Sheet;
        for (Sheet sheet : {Sheet::Applet, Sheet::Menu, Sheet::Item}) {
            CPropertySheet* shown = props->SheetOf(sheet);
            for (int i = 0; i < shown->PageCount(); ++i) {
                const QString key = QStringLiteral("sheet%1/%2").arg(int(sheet)).arg(i);
                texts[key] = shown->Tabs()->tabText(i);
                AddWidgetTexts(texts, key, shown->Tabs()->widget(i));
            }
        }
        const CItemStyle style;
        const std::vector<std::pair<QString, std::function<QWidget*()>>> dialogs = {
            {"about", [&] { return new CAboutDlg(prompts); }},
            {"autosave", [] { return new CDlgAutoSave; }},
            {"export", [] { return new CDlgExportHtml5(nullptr, false); }},
            {"find", [] { return new CDlgFind(QString()); }},
            {"html", [] { return new CDlgHtml; }},
            {"templates", [&] { return new CDlgManageTemplates(Context()); }},
            {"new", [&] { return new CDlgNewMenu(Context()); }},
            {"saveTemplate", [&] { return new CDlgSaveTemplate(Context()); }},
            {"browser", [&] { return new CDlgWebBrowser(prompts, {}); }},
            {"font", [&] { return new CDlgFont(prompts, style); }},
            {"speed", [] { return new CDlgAnimateSpeed(1, 1); }},
            {"background", [] { return new CDlgBackgroundStyle(0, 0, 0); }},
        };
        for (const auto& [key, make] : dialogs) {
            std::unique_ptr<QWidget> dialog(make());
            AddWidgetTexts(texts, key, dialog.get());
        }
        return texts;
    }

    CTranslations translations;
};

TEST(TranslationLoad, FollowsTheLanguagesTheEditorHas)
{
    const QStringList folders = CTranslations::Folders(QStringLiteral(ATW_BIN_DIR));
    const struct {
        const char* locale;
        bool loaded;
    } cases[] = {{"de_DE", true}, {"de_AT", true}, {"de_CH", true}, {"en_US", false}, {"C", false}, {"fr_FR", false}};
    for (const auto& c : cases) {
        CTranslations translations;
        EXPECT_EQ(translations.Load(QLocale(QString::fromLatin1(c.locale)), folders), c.loaded) << c.locale;
        EXPECT_EQ(translations.Language().startsWith(QLatin1String("de")), c.loaded) << c.locale;
    }
    // An installation keeps them in share/applettavelinwizard beside bin/.
    EXPECT_EQ(CTranslations::Folders(QStringLiteral("/usr/bin")).value(1),
              QStringLiteral("/usr/share/applettavelinwizard/translations"));
}

TEST_F(Translation, GermanEditorLeavesNoTextInEnglishAndNoMenuRepeatsAMnemonic)
{
    const Texts english = Collect();
    ASSERT_TRUE(started);
    ASSERT_GT(english.size(), 300u);
    app.reset();

    ASSERT_TRUE(
        translations.Load(QLocale(QStringLiteral("de_DE")), CTranslations::Folders(QStringLiteral(ATW_BIN_DIR))));
    translations.Install();
    const Texts german = Collect();
    ASSERT_TRUE(started);
    ASSERT_EQ(german.size(), english.size());

    QStringList untranslated;
    for (const auto& [key, text] : english) {
        if (HasWords(text) && german.at(key) == text && !kSameInGerman.count(text))
            untranslated << key + ": " + text;
    }
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join('\n').toStdString();

    // Each menu's entries, and the menu bar's titles, can be reached by a
    // letter of their own.
    QMenuBar* bar = Frame()->menuBar();
    std::vector<std::pair<QString, QList<QAction*>>> menus{{"menu bar", bar->actions()}};
    for (QAction* title : bar->actions())
        menus.emplace_back(title->text(), title->menu()->actions());
    for (const auto& [name, actions] : menus) {
        std::vector<QChar> letters = Mnemonics(actions);
        std::sort(letters.begin(), letters.end());
        EXPECT_TRUE(std::adjacent_find(letters.begin(), letters.end()) == letters.end())
            << name.toStdString()
            << " repeats a mnemonic: " << QString(letters.data(), qsizetype(letters.size())).toStdString();
    }
    EXPECT_EQ(bar->actions().value(0)->text(), QStringLiteral("&Datei"));
}

}  // namespace
