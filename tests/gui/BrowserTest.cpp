// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "BrowserFakePath.h"
#include "core/settings/CAppSettings.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CKnownBrowsers.h"
#include "editor/CPreview.h"
#include "editor/CText.h"
#include "gui/dialogs/CDlgWebBrowser.h"
#include "support/CScriptedPrompts.h"

namespace {

QString MakeFile(const QString& folder, const QString& name, bool executable)
{
    return BrowserFakePath::MakeFile(folder, name, executable);
}

TEST(BrowserDetection, ListsTheBrowsersOnThePathInFixedOrder)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    // Found in the order of the known list, not of the folders or names.
    const QString vivaldi = MakeFile(first.path(), QStringLiteral("vivaldi"), true);
    const QString epiphany = MakeFile(second.path(), QStringLiteral("epiphany"), true);
    const QString firefox = MakeFile(second.path(), QStringLiteral("firefox-esr"), true);
    // The first name of a browser wins over its second, wherever it lies;
    // for one name the earlier folder wins.
    MakeFile(first.path(), QStringLiteral("chromium-browser"), true);
    const QString chromium = MakeFile(second.path(), QStringLiteral("chromium"), true);
    MakeFile(second.path(), QStringLiteral("vivaldi"), true);
    MakeFile(first.path(), QStringLiteral("opera"), false);  // not executable
    QDir(first.path()).mkdir(QStringLiteral("falkon"));      // a folder, not a program

    const QString path = first.path() + QLatin1Char(':') + second.path();
    const CKnownBrowsers browsers(path);
    ASSERT_EQ(browsers.Count(), 4);
    EXPECT_EQ(browsers.Names(), (QStringList{"Firefox", "Chromium", "Vivaldi", "Epiphany"}));
    EXPECT_EQ(browsers.Path(0), firefox);
    EXPECT_EQ(browsers.Path(1), chromium);
    EXPECT_EQ(browsers.Path(2), vivaldi);
    EXPECT_EQ(browsers.Path(3), epiphany);
    EXPECT_TRUE(browsers.Path(-1).isEmpty());
    EXPECT_TRUE(browsers.Path(4).isEmpty());
    EXPECT_TRUE(browsers.Name(4).isEmpty());

    // No folders: nothing, also when the real PATH holds browsers.
    EXPECT_EQ(CKnownBrowsers(QString()).Count(), 0);
    EXPECT_EQ(CKnownBrowsers(QStringLiteral("::")).Count(), 0);

    // The plain constructor reads PATH as it is at that moment.
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", second.path().toLocal8Bit());
    const CKnownBrowsers fromEnvironment;
    qputenv("PATH", saved);
    EXPECT_EQ(fromEnvironment.Names(), (QStringList{"Firefox", "Chromium", "Vivaldi", "Epiphany"}));
}

// The Web Browser dialog run through the scripted prompts, with two fake
// browsers on the PATH and memory settings.
class BrowserDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path.MakeProgram(QStringLiteral("firefox"));
        m_path.MakeProgram(QStringLiteral("konqueror"));
        SetChoice(1, "/old/browser", 1);
    }
    // A choice stored before the dialog runs.
    void SetChoice(int mode, const std::string& path, int known)
    {
        CAppSettings settings(m_settings);
        settings.SetBrowserMode(mode);
        settings.SetBrowserPath(path);
        settings.SetKnownBrowser(known);
        m_browser.Reload();
    }
    // Runs the dialog; act looks at it, drives it and gives its result.
    void Run(const std::function<int(CDlgWebBrowser&)>& act)
    {
        m_prompts.dialogHandlers.push_back([act](QDialog& dialog) {
            // Shown, so that clicks land where the controls really are.
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            return act(static_cast<CDlgWebBrowser&>(dialog));
        });
        CDlgWebBrowser::Choose(m_prompts, m_browser, nullptr);
        EXPECT_EQ(m_prompts.dialogs.takeLast(), QStringLiteral("Web Browser"));
    }
    template <typename T>
    static T* Child(QDialog& dialog, const char* name)
    {
        T* child = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static int ClickOk(QDialog& dialog)
    {
        QTest::mouseClick(Child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        return dialog.result();
    }
    static const char* CheckedChoice(QDialog& dialog)
    {
        for (const char* name : {"useDefault", "useKnown", "useSpecified"}) {
            if (Child<QRadioButton>(dialog, name)->isChecked())
                return name;
        }
        return "";
    }

    BrowserFakePath m_path;
    CScriptedPrompts m_prompts;
    CMemorySettings m_settings;
    CBrowserLauncher m_browser{m_prompts, m_settings};
};

TEST_F(BrowserDialogTest, OpensWithTheStoredChoiceAndCancelChangesNothing)
{
    using Mode = CBrowserLauncher::Mode;
    const struct {
        int mode;
        const char* choice;
        Mode meant;
    } cases[] = {{1, "useDefault", Mode::Default},
                 {0, "useSpecified", Mode::Specified},
                 {2, "useKnown", Mode::Known},
                 {3, "useKnown", Mode::Known},
                 {-4, "useKnown", Mode::Known}};
    for (const auto& c : cases) {
        SetChoice(c.mode, "/old/browser", 1);
        Run([&](CDlgWebBrowser& dialog) {
            EXPECT_STREQ(CheckedChoice(dialog), c.choice) << c.mode;
            auto* combo = Child<QComboBox>(dialog, "knownBrowsers");
            EXPECT_EQ(combo->count(), 2);
            EXPECT_EQ(combo->itemText(0), QStringLiteral("Firefox"));
            EXPECT_EQ(combo->currentIndex(), 1);
            EXPECT_EQ(Child<QLineEdit>(dialog, "exePath")->text(), QStringLiteral("/old/browser"));
            // Whatever the choice, the list and the path stay usable.
            EXPECT_TRUE(combo->isEnabled());
            EXPECT_TRUE(Child<QLineEdit>(dialog, "exePath")->isEnabled());
            Child<QRadioButton>(dialog, "useSpecified")->setChecked(true);
            return int(QDialog::Rejected);
        });
        EXPECT_EQ(m_browser.BrowserMode(), c.meant) << c.mode;
        EXPECT_EQ(m_settings.GetInt("Web Browser", "Use Default", -9), c.mode);
    }
    // A stored position the list does not have selects nothing.
    SetChoice(2, "", 7);
    Run([](CDlgWebBrowser& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "knownBrowsers")->currentIndex(), -1);
        return int(QDialog::Rejected);
    });
}

TEST_F(BrowserDialogTest, UserChoiceNeedsAnExecutableThenStoresAllThreeSettings)
{
    Run([this](CDlgWebBrowser& dialog) {
        Child<QRadioButton>(dialog, "useSpecified")->click();
        Child<QLineEdit>(dialog, "exePath")->setText(QStringLiteral("   "));
        EXPECT_NE(ClickOk(dialog), int(QDialog::Accepted));
        EXPECT_EQ(m_prompts.messages, QStringList{QStringLiteral("You must specify the web browser's execute file!")});
        // "..." fills the path and leaves the radio choice alone.
        m_prompts.fileNames.push_back(QStringLiteral("/usr/local/bin/My Browser"));
        Child<QRadioButton>(dialog, "useDefault")->click();
        QTest::mouseClick(Child<QPushButton>(dialog, "browse"), Qt::LeftButton);
        EXPECT_EQ(Child<QLineEdit>(dialog, "exePath")->text(), QStringLiteral("/usr/local/bin/My Browser"));
        EXPECT_STREQ(CheckedChoice(dialog), "useDefault");
        Child<QRadioButton>(dialog, "useSpecified")->click();
        return ClickOk(dialog);
    });
    EXPECT_EQ(m_prompts.messages.size(), 1);
    EXPECT_EQ(m_browser.BrowserMode(), CBrowserLauncher::Mode::Specified);
    EXPECT_EQ(m_browser.BrowserPath(), "/usr/local/bin/My Browser");
    EXPECT_EQ(m_settings.GetInt("Web Browser", "Use Default", -9), 0);
    EXPECT_EQ(m_settings.GetString("Web Browser", "Specify Browser", "?"), "/usr/local/bin/My Browser");
    // Not part of this choice, but written with its current value.
    EXPECT_EQ(m_settings.GetInt("Web Browser", "Known Browser", -9), 1);
}

TEST_F(BrowserDialogTest, KnownAndDefaultChoicesStoreTheirModes)
{
    Run([](CDlgWebBrowser& dialog) {
        Child<QRadioButton>(dialog, "useKnown")->click();
        Child<QComboBox>(dialog, "knownBrowsers")->setCurrentIndex(0);
        Child<QLineEdit>(dialog, "exePath")->setText(QStringLiteral("/typed/but/unused"));
        return ClickOk(dialog);
    });
    EXPECT_EQ(m_browser.BrowserMode(), CBrowserLauncher::Mode::Known);
    EXPECT_EQ(m_browser.KnownBrowser(), 0);
    EXPECT_EQ(m_browser.BrowserPath(), "/old/browser");
    EXPECT_EQ(m_settings.GetInt("Web Browser", "Use Default", -9), 2);
    EXPECT_EQ(m_settings.GetInt("Web Browser", "Known Browser", -9), 0);
    EXPECT_EQ(m_settings.GetString("Web Browser", "Specify Browser", "?"), "/old/browser");

    // The default browser needs no path, not even an empty edit refuses it.
    Run([](CDlgWebBrowser& dialog) {
        Child<QRadioButton>(dialog, "useDefault")->click();
        Child<QLineEdit>(dialog, "exePath")->clear();
        return ClickOk(dialog);
    });
    EXPECT_TRUE(m_prompts.messages.isEmpty());
    EXPECT_EQ(m_browser.BrowserMode(), CBrowserLauncher::Mode::Default);
    EXPECT_EQ(m_settings.GetInt("Web Browser", "Use Default", -9), 1);
    EXPECT_EQ(m_browser.BrowserPath(), "/old/browser");
}

}  // namespace
