// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Pictures of every property sheet, tab and dialog, for a look by eye:
//   property_screens FOLDER
// writes FOLDER/applet0.png, item.png, menu0.png ... on the offscreen
// platform (unless QT_QPA_PLATFORM names another), with settings in memory.
// scripts/property-screens.sh builds and runs it.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "core/io/CStdFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/model/CItemStyle.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CEditorContext.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "gui/frame/CPluginSoundPlayer.h"
#include "gui/frame/CQtPrompts.h"
#include "gui/preview/CPreviewEngine.h"
#include "gui/props/CDlgAnimateSpeed.h"
#include "gui/props/CDlgAudio.h"
#include "gui/props/CDlgBackgroundStyle.h"
#include "gui/props/CDlgFont.h"
#include "gui/props/CDlgImage.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/props/CPropertySheet.h"

namespace {

// A small model: menu A with a1 (two lines, a sub-menu s1, which has t1)
// and a hidden a2, and menu B with b1.
struct CSampleModel {
    CSampleModel()
    {
        CTavelin* menuB = params.AddTopMenu();
        menuB->m_strName = "B";
        menuB->InsertNewItem()->m_strLabel = "b1";
        menuA = params.AddTopMenu();
        menuA->m_strName = "A";
        CTavelinItem* a2 = menuA->InsertNewItem();
        a2->m_strLabel = "a2";
        a2->m_bVisible = 0;
        a1 = menuA->InsertNewItem();
        a1->m_strLabel = "Products\r\nand more";
        a1->m_strTarget = "_t";
        CTavelinItem* s1 = a1->m_pSubMenu->InsertNewItem();
        s1->m_strLabel = "s1";
        s1->m_pSubMenu->InsertNewItem()->m_strLabel = "t1";
    }

    CAppletParameters params;
    CTavelin* menuA = nullptr;
    CTavelinItem* a1 = nullptr;
};

class CScreens {
public:
    explicit CScreens(const QString& folder) : m_folder(folder) {}

    void Save(QWidget* widget, const QString& name)
    {
        // Lets the layouts settle before the picture.
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
        if (!widget->grab().save(m_folder.filePath(name + QStringLiteral(".png")))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(m_folder.filePath(name)));
            m_bFailed = true;
        }
    }
    void SaveDialog(QDialog& dialog, const QString& name)
    {
        dialog.show();
        Save(&dialog, name);
        dialog.hide();
    }
    bool Failed() const { return m_bFailed; }

private:
    QDir m_folder;
    bool m_bFailed = false;
};

void ShowItem(CPropertyFrame& frame, CSelection& selection, CTavelinItem* item, CTavelin* menu)
{
    const auto sheet = selection.ItemSheetMode() ? CPropertyFrame::Sheet::Item : CPropertyFrame::Sheet::Menu;
    frame.ShowSheet(sheet, QStringLiteral("Item's Properties"), item, menu);
}

void TakeSheets(CPropertyFrame& frame, CSelection& selection, CSampleModel& model, CScreens& screens)
{
    frame.ShowSheet(CPropertyFrame::Sheet::Applet, QStringLiteral("Tavelina's Properties"), nullptr, nullptr);
    screens.Save(&frame, QStringLiteral("applet0"));
    frame.CurrentSheet()->Tabs()->setCurrentIndex(1);
    screens.Save(&frame, QStringLiteral("applet1"));
    ShowItem(frame, selection, model.a1, model.menuA);
    screens.Save(&frame, QStringLiteral("item"));
    selection.SetItemSheetMode(false);
    ShowItem(frame, selection, model.a1, model.menuA);
    for (int i = 0; i < 4; ++i) {
        frame.CurrentSheet()->Tabs()->setCurrentIndex(i);
        screens.Save(&frame, QStringLiteral("menu%1").arg(i));
    }
}

void TakeDialogs(IUserPrompts& prompts, CScreens& screens)
{
    CDlgAnimateSpeed speed(5, 40);
    screens.SaveDialog(speed, QStringLiteral("animate"));
    CDlgBackgroundStyle background(0, 2, 1);
    screens.SaveDialog(background, QStringLiteral("background"));
    CDlgFont font(prompts, CItemStyle{});
    screens.SaveDialog(font, QStringLiteral("font"));
    CDlgImage image(prompts);
    image.SetScope(CModelEditor::Scope::Item);
    screens.SaveDialog(image, QStringLiteral("image"));
    CDlgAudio audio(prompts);
    screens.SaveDialog(audio, QStringLiteral("audio"));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: property_screens FOLDER\n");
        return 2;
    }
    CSampleModel model;
    CModelEditor editor(model.params);
    CSelection selection;
    CMemorySettings settings;
    CPluginSoundPlayer player(CPreviewEngine::Folders());
    CQtPrompts prompts(player);
    CBrowserLauncher browser(prompts, settings);
    const CEditorContext context{editor, selection, settings, CStdFileSystem::Instance(), prompts, browser, {}, {}, {}};
    QMainWindow window;
    window.setGeometry(100, 100, 800, 600);
    window.show();
    auto* frame = new CPropertyFrame(context, &window);
    frame->show();

    CScreens screens(QString::fromLocal8Bit(argv[1]));
    TakeSheets(*frame, selection, model, screens);
    TakeDialogs(prompts, screens);
    return screens.Failed() ? 1 : 0;
}
