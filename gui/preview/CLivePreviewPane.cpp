// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLivePreviewPane.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollArea>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "CPreviewEngine.h"
#include "IPreviewBrowserFactory.h"
#include "core/io/CPath.h"
#include "core/model/CItemWalk.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CAppSettings.h"
#include "editor/CModelEditor.h"
#include "editor/CText.h"

namespace {

constexpr const char* kPageName = "~AppMenu.htm";

// The menus the page draws, as the runtime nests them: visible menus with
// visible items, items in order, each followed by its sub-menu.
bool IsDrawn(const CTavelin* menu)
{
    return menu && menu->m_bVisible != 0 && menu->GetItemCount(false) > 0;
}

void CollectMenu(const CTavelin& menu, std::vector<CTavelinItem*>& out)
{
    CItemWalk::Walk(menu, [&out](const CItemWalk::CStep& step) {
        if (step.item.m_bVisible == 0)
            return CItemWalk::Next::Past;
        // The items are the model's own, not const objects: the pane keeps
        // them to select them in the tree later.
        out.push_back(const_cast<CTavelinItem*>(&step.item));
        return IsDrawn(step.item.m_pSubMenu.get()) ? CItemWalk::Next::Into : CItemWalk::Next::Past;
    });
}

}  // namespace

CLivePreviewPane::CLivePreviewPane(CModelEditor& editor, IFileSystem& fs, ISettingsStore& settings,
                                   std::string programDir, std::string previewFolder, QWidget* parent)
    : QDockWidget(tr("Live Preview"), parent), m_editor(editor), m_fs(fs), m_settings(settings),
      m_strProgramDir(std::move(programDir)), m_strPreviewFolder(std::move(previewFolder))
{
    setObjectName(QStringLiteral("livePreviewPane"));
    m_bPhone = CAppSettings(m_settings).GetInt(CAppSettings::kLivePreviewPhone) != 0;
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &CLivePreviewPane::Refresh);
    CreateContents();
    ConnectEditor();
    toggleViewAction()->setText(tr("&Live Preview"));
    toggleViewAction()->setStatusTip(tr("Show or hide the menu as the page draws it, updated while you edit"));
    connect(toggleViewAction(), &QAction::toggled, this, [this](bool on) {
        // Closing the window hides the pane too, which is not the user's
        // choice to hide it.
        const QWidget* frame = parentWidget() ? parentWidget()->window() : nullptr;
        if (!on && frame && !frame->isVisible())
            return;
        CAppSettings(m_settings).SetInt(CAppSettings::kLivePreview, on ? 1 : 0);
    });
}

// The private folder goes with the pane; the preview folder itself is the
// application's to clear.
CLivePreviewPane::~CLivePreviewPane()
{
    const std::string folder = PageFolder();
    for (const std::string& name : m_fs.ListFiles(folder))
        m_fs.RemoveFile(CPath::Join(folder, name));
    m_fs.RemoveDir(folder);
}

bool CLivePreviewPane::Remembered(ISettingsStore& settings)
{
    return CAppSettings(settings).GetInt(CAppSettings::kLivePreview) != 0;
}

std::string CLivePreviewPane::PageFolder() const
{
    return CPath::Join(m_strPreviewFolder, kLiveFolder);
}

std::string CLivePreviewPane::PagePath() const
{
    return CPath::Join(PageFolder(), kPageName);
}

void CLivePreviewPane::CreateContents()
{
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* bar = new QToolBar(body);
    bar->setObjectName(QStringLiteral("livePreviewBar"));
    auto* widths = new QActionGroup(bar);
    m_pDesktop = bar->addAction(tr("Desktop"));
    m_pPhone = bar->addAction(tr("Phone (%1 px)").arg(kPhoneWidth));
    m_pDesktop->setToolTip(tr("Show the menu as a desktop browser shows it, at the applet's size"));
    m_pPhone->setToolTip(tr("Show the menu as a phone of %1 px width shows it").arg(kPhoneWidth));
    for (QAction* action : {m_pDesktop, m_pPhone}) {
        action->setCheckable(true);
        widths->addAction(action);
    }
    (m_bPhone ? m_pPhone : m_pDesktop)->setChecked(true);
    connect(m_pPhone, &QAction::toggled, this, &CLivePreviewPane::SetPhoneWidth);
    column->addWidget(bar);
    m_pHolder = new QWidget(body);
    auto* row = new QHBoxLayout(m_pHolder);
    row->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_pHolder, 1);
    setWidget(body);
}

// The engine is loaded, and starts, only when the pane is first shown.
void CLivePreviewPane::CreateView()
{
    m_bViewTried = true;
    QString error;
    IPreviewBrowserFactory* engine = CPreviewEngine::Factory(error);
    if (!engine) {
        if (!error.endsWith(QLatin1Char('.')))
            error += QLatin1Char('.');
        auto* missing = new QLabel(tr("%1\nBuild > Preview shows the page in your browser.").arg(error), m_pHolder);
        missing->setObjectName(QStringLiteral("livePreviewEngineMissing"));
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        m_pHolder->layout()->addWidget(missing);
        return;
    }
    IPreviewBrowser::CHandlers handlers;
    handlers.m_loaded = [this](bool ok) { OnLoadFinished(ok); };
    handlers.m_hovered = [this](const QString& url) { emit StatusMessage(url); };
    handlers.m_refused = [this](const QString& url) {
        emit StatusMessage(tr("Not followed in the preview: %1").arg(url));
    };
    handlers.m_itemClicked = [this](const QString& key) { OnItemClicked(key); };
    // The view keeps the size of the page it shows, whatever the pane's:
    // a page narrower than a desktop browser would be drawn as a phone.
    m_pScroll = new QScrollArea(m_pHolder);
    m_pScroll->setObjectName(QStringLiteral("livePreviewScroll"));
    m_pScroll->setFrameShape(QFrame::NoFrame);
    m_pScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pScroll->installEventFilter(this);
    m_pHolder->layout()->addWidget(m_pScroll);
    m_pBrowser = engine->CreateBrowser(std::move(handlers), m_pScroll);
    m_pScroll->setWidget(m_pBrowser->Widget());
    FitView();
}

QSize CLivePreviewPane::ViewSize() const
{
    const QSize room = m_pScroll ? m_pScroll->maximumViewportSize() : QSize(kDesktopWidth, kPhoneWidth);
    if (m_bPhone)
        return {kPhoneWidth, room.height()};
    const CAppletParameters& params = m_editor.Params();
    return {std::max({room.width(), kDesktopWidth, params.m_nWidth + kPageRoom}),
            std::max(room.height(), params.m_nHeight + kPageRoom)};
}

void CLivePreviewPane::FitView()
{
    if (!m_pBrowser)
        return;
    const QSize size = ViewSize();
    QWidget* view = m_pBrowser->Widget();
    if (view->size() != size)
        view->setFixedSize(size);
}

bool CLivePreviewPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pScroll && event->type() == QEvent::Resize)
        FitView();
    return QDockWidget::eventFilter(watched, event);
}

void CLivePreviewPane::ConnectEditor()
{
    connect(&m_editor, &CModelEditor::Changed, this, &CLivePreviewPane::RequestRefresh);
    connect(&m_editor, &CModelEditor::ModelReset, this, [this] {
        m_bNeedReload = true;
        m_nMark = 0;
        RequestRefresh();
    });
}

void CLivePreviewPane::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (!m_pBrowser && !m_bViewTried)
        CreateView();
    if (m_bStale || m_bNeedReload)
        RequestRefresh();
}

void CLivePreviewPane::SetPhoneWidth(bool phone)
{
    m_bPhone = phone;
    CAppSettings(m_settings).SetInt(CAppSettings::kLivePreviewPhone, phone ? 1 : 0);
    if (m_pPhone && m_pPhone->isChecked() != phone)
        (phone ? m_pPhone : m_pDesktop)->setChecked(true);
    FitView();
}

bool CLivePreviewPane::IsCurrent() const
{
    return m_bLoaded && !m_bStale && !m_bBusy && !m_debounce.isActive();
}

void CLivePreviewPane::RequestRefresh()
{
    m_bStale = true;
    if (m_pBrowser && isVisible())
        m_debounce.start();
}

void CLivePreviewPane::Refresh()
{
    if (!m_pBrowser)
        return;
    if (m_bBusy)
        return;  // Drawn() takes the newest state once this drawing is done
    if (m_bLoaded && !m_bStale && !m_bNeedReload)
        return;
    m_bStale = false;
    FitView();  // the applet's size may have changed
    std::string text;
    const bool written = WritePage(text);
    if (m_bNeedReload || !m_bLoaded) {
        if (written)
            Reload();
        return;
    }
    std::string key = text;
    for (CTavelinItem* item : m_drawn)
        key += ',' + std::to_string(item->Serial());
    if (key == m_strDrawn) {
        Drawn(true);  // nothing the page shows has changed
        return;
    }
    Redraw(text, key);
}

bool CLivePreviewPane::WritePage(std::string& pageText)
{
    m_fs.MakeDir(m_strPreviewFolder);
    m_fs.MakeDir(PageFolder());
    CPageWriter writer(m_editor.Params(), m_fs, m_strProgramDir);
    writer.SetHtml5Runtime(true);
    pageText = writer.BuildPage();
    CollectDrawnItems();
    if (writer.SaveFiles(PagePath(), PageFolder(), pageText))
        return true;
    emit StatusMessage(tr("Live Preview: %1").arg(CText::ToQ(writer.LastError())));
    return false;
}

void CLivePreviewPane::CollectDrawnItems()
{
    m_drawn.clear();
    m_drawnBySerial.clear();
    for (const auto& menu : m_editor.Params().m_arrMenus) {
        if (IsDrawn(menu.get()))
            CollectMenu(*menu, m_drawn);
    }
    for (CTavelinItem* item : m_drawn)
        m_drawnBySerial.insert(item->Serial(), item);
}

void CLivePreviewPane::Reload()
{
    m_strDrawn.clear();
    m_bBusy = true;
    m_bLoaded = false;
    m_bNeedReload = false;
    ++m_nReloads;
    m_pBrowser->Load(QUrl::fromLocalFile(CText::ToQ(PagePath())));
}

void CLivePreviewPane::OnLoadFinished(bool ok)
{
    m_bBusy = false;
    m_bLoaded = ok;
    if (!ok) {
        m_bNeedReload = true;
        emit StatusMessage(tr("Live Preview: the page could not be shown"));
        return;
    }
    // The loaded page knows nothing of the items yet: the first drawing
    // numbers them.
    m_bStale = true;
    Refresh();
}

void CLivePreviewPane::Redraw(const std::string& pageText, const std::string& key)
{
    QJsonArray keys;
    for (CTavelinItem* item : m_drawn)
        keys.append(QString::number(item->Serial()));
    const QJsonArray args{CText::ToQ(pageText), keys, QString::number(m_nMark)};
    const QString script = QStringLiteral("window.atwLive ? atwLive.redraw.apply(null, %1) : false")
                               .arg(QString::fromUtf8(QJsonDocument(args).toJson(QJsonDocument::Compact)));
    m_bBusy = true;
    QPointer<CLivePreviewPane> self(this);
    m_pBrowser->Run(script, [self, key](const QVariant& result) {
        if (!self)
            return;
        self->m_strDrawn = result.toBool() ? key : std::string();
        self->Drawn(result.toBool());
    });
}

void CLivePreviewPane::Drawn(bool ok)
{
    if (!ok)
        m_bNeedReload = true;
    else if (m_bBusy)
        ++m_nRedraws;
    m_bBusy = false;
    // A state that was overtaken while this one was drawn is never drawn:
    // the newest one is, unless the user is still typing.
    if (m_bNeedReload || (m_bStale && !m_debounce.isActive()))
        Refresh();
    else if (!m_bStale)
        emit Refreshed();
}

void CLivePreviewPane::OnItemClicked(const QString& key)
{
    CTavelinItem* item = m_drawnBySerial.value(key.toULongLong(), nullptr);
    if (item)
        emit ItemClicked(item);
}

void CLivePreviewPane::MarkItem(const CTavelinItem* item)
{
    m_nMark = item ? item->Serial() : 0;
    if (m_pBrowser && m_bLoaded)
        m_pBrowser->Run(QStringLiteral("window.atwLive && atwLive.mark('%1')").arg(m_nMark));
}
