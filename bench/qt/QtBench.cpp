// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The editor's own figures against Qt references, in one run: the project
// reader against QSettings reading the same file, the tree's rebuild against
// a bare tree widget refilled the same lazy way, edits on a large tree against the
// same edits on a small one, the editor showing a large project against a
// bare tree of the same shape, an edit among many siblings against the same
// edit on a bare tree widget, and the editor's start against a bare window.
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QSettings>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string_view>
#include <unistd.h>

#include "BenchModel.h"
#include "core/format/CProjectReader.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "editor/CModelEditor.h"
#include "gui/tree/CAppletTavelinWizardView.h"
#include "tests/support/CTestEditor.h"

namespace {
namespace fs = std::filesystem;

std::string ProjectFile(int items)
{
    static const fs::path dir = fs::temp_directory_path() / ("atw-qt-bench-" + std::to_string(::getpid()));
    const fs::path page = dir / ("p" + std::to_string(items) + ".htm");
    if (!fs::exists(dir / ("p" + std::to_string(items) + ".tvx"))) {
        fs::create_directories(dir);
        CAppletParameters& model = BenchModel::Shared(items);
        CPageWriter writer(model, CStdFileSystem::Instance(), dir.string());
        writer.SaveFiles(page.string(), dir.string(), writer.BuildPage());
    }
    return (dir / ("p" + std::to_string(items) + ".tvx")).string();
}

void PerItem(benchmark::State& state)
{
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LoadProject_Ours(benchmark::State& state)
{
    const std::string file = ProjectFile(static_cast<int>(state.range(0)));
    CAppletParameters model;
    for (auto _ : state)
        CProjectReader(model, CStdFileSystem::Instance(), "").LoadProject(file);
    PerItem(state);
}

// The peer: QSettings in INI format reading the same file and every key.
void BM_LoadPeer_QSettings(benchmark::State& state)
{
    const QString file = QString::fromStdString(ProjectFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        QSettings ini(file, QSettings::IniFormat);
        qsizetype bytes = 0;
        const QStringList keys = ini.allKeys();
        for (const QString& key : keys)
            bytes += ini.value(key).toString().size();
        benchmark::DoNotOptimize(bytes);
    }
    PerItem(state);
}

// A tree view over a model of its own, answering every prompt with OK.
struct TreeRig {
    CTestEditor run;
    CAppletTavelinWizardDoc doc{run.context};
    CAppletTavelinWizardView view{run.context};

    explicit TreeRig(int items)
    {
        BenchModel::Fill(run.params, items, BenchModel::Media());
        view.SetDocument(&doc);
        view.resize(300, 600);
        view.RebuildTree();
    }
};

void BM_RebuildTree(benchmark::State& state)
{
    TreeRig rig(static_cast<int>(state.range(0)));
    for (auto _ : state)
        rig.view.RebuildTree();
    PerItem(state);
}

// A bare tree's node of a menu: text and picture, with a button when the
// menu has items; its children are made when it is first expanded.
QTreeWidgetItem* LazyNode(std::string_view text, const QIcon& icon, const CTavelin* menu)
{
    auto* node = new QTreeWidgetItem;
    node->setText(0, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    node->setIcon(0, icon);
    node->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(menu)));
    if (!menu->m_arrItems.empty())
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return node;
}

// The root with a lazy node for each top-level menu, as a hand-written lazy
// tree starts.
QTreeWidgetItem* LazyRoot(const CAppletParameters& params, const QIcon& icon)
{
    auto* root = new QTreeWidgetItem(QStringList(QString::fromStdString(params.m_strName)));
    root->setIcon(0, icon);
    QList<QTreeWidgetItem*> menus;
    for (const auto& menu : params.m_arrMenus)
        menus << LazyNode(menu->m_strName, icon, menu.get());
    root->addChildren(menus);
    return root;
}

// The children of a lazy node, made when it is expanded.
void AddLazyChildren(QTreeWidgetItem* node, const QIcon& icon)
{
    const quintptr object = node->data(0, Qt::UserRole).value<quintptr>();
    const auto* menu = reinterpret_cast<const CTavelin*>(object);
    if (!menu || node->childCount() > 0)
        return;
    QList<QTreeWidgetItem*> children;
    for (const auto& item : menu->m_arrItems)
        children << LazyNode(item->m_strLabel, icon, item->m_pSubMenu.get());
    node->addChildren(children);
}

// The peer: a bare tree widget refilled with the same shape as the editor
// builds (the root and lazy top-level menu nodes), text and picture only.
void BM_TreePeer_BareWidget(benchmark::State& state)
{
    TreeRig rig(static_cast<int>(state.range(0)));
    const QIcon icon = rig.view.RootNode()->icon(0);
    QTreeWidget bare;
    bare.resize(rig.view.size());
    for (auto _ : state) {
        bare.clear();
        QTreeWidgetItem* root = LazyRoot(rig.run.params, icon);
        bare.addTopLevelItem(root);
        bare.expandItem(root);
        bare.setCurrentItem(root);
    }
    PerItem(state);
}

// 1,000 edits: inserts, moves up and down, and deletes on items of the
// largest menu, through the tree's commands.
void BM_TreeEdits1000(benchmark::State& state)
{
    TreeRig rig(static_cast<int>(state.range(0)));
    CTavelin* menu = rig.run.params.m_arrMenus.front().get();
    for (auto _ : state) {
        for (int round = 0; round < 250; ++round) {
            rig.view.setCurrentItem(rig.view.NodeOf(menu));
            rig.view.OnInsert();  // a new first item, selected
            rig.view.OnMoveDown();
            rig.view.OnMoveUp();
            rig.view.OnDelete();
        }
        rig.run.editor.History().clear();
    }
}

// Shown and painted: events delivered, then the rows drawn at once.
void Paint(QTreeWidget& tree)
{
    QCoreApplication::processEvents();
    tree.viewport()->repaint();
}

// The editor's tree showing a project, from an empty view to the painted
// window: the nodes it builds, the layout and the first paint. The view is
// dropped outside the timing.
void BM_ShowProject_Editor(benchmark::State& state)
{
    CTestEditor run;
    BenchModel::Fill(run.params, static_cast<int>(state.range(0)), BenchModel::Media());
    CAppletTavelinWizardDoc doc(run.context);
    for (auto _ : state) {
        auto view = std::make_unique<CAppletTavelinWizardView>(run.context);
        view->SetDocument(&doc);
        view->resize(300, 600);
        view->RebuildTree();
        view->show();
        Paint(*view);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    PerItem(state);
}

// The peer: a bare tree widget showing the same top-level shape, building
// the rows under a node when it is expanded, as a hand-written lazy tree does.
void BM_ShowPeer_BareLazyTree(benchmark::State& state)
{
    CAppletParameters params;
    BenchModel::Fill(params, static_cast<int>(state.range(0)), BenchModel::Media());
    QPixmap picture(16, 16);
    picture.fill(Qt::darkCyan);
    const QIcon icon(picture);
    for (auto _ : state) {
        auto bare = std::make_unique<QTreeWidget>();
        bare->setHeaderHidden(true);
        bare->resize(300, 600);
        QObject::connect(bare.get(), &QTreeWidget::itemExpanded, bare.get(),
                         [&icon](QTreeWidgetItem* node) { AddLazyChildren(node, icon); });
        QTreeWidgetItem* root = LazyRoot(params, icon);
        bare->addTopLevelItem(root);
        bare->expandItem(root);
        bare->setCurrentItem(root);
        bare->show();
        Paint(*bare);
        state.PauseTiming();
        bare.reset();
        state.ResumeTiming();
    }
    PerItem(state);
}

// A shown tree whose first top-level menu holds range(0) leaf items, all
// expanded.
struct SiblingsRig {
    CTestEditor run;
    CAppletTavelinWizardDoc doc{run.context};
    std::unique_ptr<CAppletTavelinWizardView> view;
    CTavelin* menu = nullptr;

    explicit SiblingsRig(int siblings)
    {
        run.params.m_strName = "Siblings";
        run.params.m_arrMenus.push_back(std::make_unique<CTavelin>(0, "top-level Tavelina"));
        menu = run.params.m_arrMenus.back().get();
        for (int i = 0; i < siblings; ++i)
            menu->m_arrItems.push_back(std::make_unique<CTavelinItem>("item " + std::to_string(i)));
        view = std::make_unique<CAppletTavelinWizardView>(run.context);
        view->SetDocument(&doc);
        view->resize(300, 600);
        view->RebuildTree();
        view->show();
        view->expandItem(view->NodeOf(menu));
        Paint(*view);
    }
    QTreeWidgetItem* Middle() { return view->NodeOf(menu->GetItem(static_cast<int>(menu->m_arrItems.size() / 2))); }
};

// The peer's shape: a shown bare tree with a root, one menu node and
// range(0) children under it, expanded.
struct BareSiblings {
    QTreeWidget tree;
    QTreeWidgetItem* menu = nullptr;

    explicit BareSiblings(int siblings)
    {
        tree.setHeaderHidden(true);
        tree.resize(300, 600);
        auto* root = new QTreeWidgetItem(QStringList(QStringLiteral("Siblings")));
        menu = new QTreeWidgetItem(QStringList(QStringLiteral("top-level Tavelina")));
        QList<QTreeWidgetItem*> children;
        for (int i = 0; i < siblings; ++i)
            children << new QTreeWidgetItem(QStringList(QStringLiteral("item %1").arg(i)));
        menu->addChildren(children);
        root->addChild(menu);
        tree.addTopLevelItem(root);
        tree.expandItem(root);
        tree.expandItem(menu);
        tree.show();
        Paint(tree);
    }
};

// Insert on the selected top-level menu: a new first item, selected, shown.
// Each insert is taken back by an untimed undo.
void BM_TreeInsert_Ours(benchmark::State& state)
{
    SiblingsRig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        rig.view->setCurrentItem(rig.view->NodeOf(rig.menu));
        rig.view->OnInsert();
        Paint(*rig.view);
        state.PauseTiming();
        rig.run.editor.History().undo();
        rig.run.editor.History().clear();
        state.ResumeTiming();
    }
}

void BM_TreeInsert_BarePeer(benchmark::State& state)
{
    BareSiblings rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto* fresh = new QTreeWidgetItem(QStringList(QStringLiteral("New Item")));
        rig.menu->insertChild(0, fresh);
        rig.tree.setCurrentItem(fresh);
        Paint(rig.tree);
        state.PauseTiming();
        rig.tree.setCurrentItem(rig.menu);
        delete rig.menu->takeChild(0);
        state.ResumeTiming();
    }
}

// Times an edit of the selected middle item (slot, a command of the view) and
// its painting; each edit is taken back by an untimed undo.
void TimeMiddleEdit(benchmark::State& state, void (CAppletTavelinWizardView::*slot)())
{
    SiblingsRig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        rig.view->setCurrentItem(rig.Middle());
        state.ResumeTiming();
        (rig.view.get()->*slot)();
        Paint(*rig.view);
        state.PauseTiming();
        rig.run.editor.History().undo();
        rig.run.editor.History().clear();
        state.ResumeTiming();
    }
}

// Delete of the selected middle item (confirmed); the menu node is selected
// after it.
void BM_TreeDelete_Ours(benchmark::State& state)
{
    TimeMiddleEdit(state, &CAppletTavelinWizardView::OnDelete);
}

void BM_TreeDelete_BarePeer(benchmark::State& state)
{
    BareSiblings rig(static_cast<int>(state.range(0)));
    const int middle = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        rig.tree.setCurrentItem(rig.menu->child(middle));
        state.ResumeTiming();
        rig.tree.setCurrentItem(rig.menu);
        QTreeWidgetItem* gone = rig.menu->takeChild(middle);
        Paint(rig.tree);
        state.PauseTiming();
        rig.menu->insertChild(middle, gone);
        state.ResumeTiming();
    }
}

// Times the undo of an edit among the siblings (the item back in its place,
// or gone again, and shown); the edit itself is untimed.
template <typename Edit>
void TimeUndo(benchmark::State& state, Edit edit)
{
    SiblingsRig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        edit(rig);
        Paint(*rig.view);
        state.ResumeTiming();
        rig.run.editor.History().undo();
        Paint(*rig.view);
        state.PauseTiming();
        rig.run.editor.History().clear();
        state.ResumeTiming();
    }
}

void BM_TreeUndoDelete_Ours(benchmark::State& state)
{
    TimeUndo(state, [](SiblingsRig& rig) {
        rig.view->setCurrentItem(rig.Middle());
        rig.view->OnDelete();
    });
}

void BM_TreeUndoDelete_BarePeer(benchmark::State& state)
{
    BareSiblings rig(static_cast<int>(state.range(0)));
    const int middle = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        rig.tree.setCurrentItem(rig.menu);
        QTreeWidgetItem* gone = rig.menu->takeChild(middle);
        Paint(rig.tree);
        state.ResumeTiming();
        rig.menu->insertChild(middle, gone);
        rig.tree.setCurrentItem(gone);
        Paint(rig.tree);
    }
}

void BM_TreeUndoInsert_Ours(benchmark::State& state)
{
    TimeUndo(state, [](SiblingsRig& rig) {
        rig.view->setCurrentItem(rig.view->NodeOf(rig.menu));
        rig.view->OnInsert();
    });
}

void BM_TreeUndoInsert_BarePeer(benchmark::State& state)
{
    BareSiblings rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto* fresh = new QTreeWidgetItem(QStringList(QStringLiteral("New Item")));
        rig.menu->insertChild(0, fresh);
        rig.tree.setCurrentItem(fresh);
        Paint(rig.tree);
        state.ResumeTiming();
        rig.tree.setCurrentItem(rig.menu);
        delete rig.menu->takeChild(0);
        Paint(rig.tree);
    }
}

// Move Up of the selected middle item.
void BM_TreeMoveUp_Ours(benchmark::State& state)
{
    TimeMiddleEdit(state, &CAppletTavelinWizardView::OnMoveUp);
}

void BM_TreeUndoMoveUp_Ours(benchmark::State& state)
{
    TimeUndo(state, [](SiblingsRig& rig) {
        rig.view->setCurrentItem(rig.Middle());
        rig.view->OnMoveUp();
    });
}

// The bare tree moves its middle child up one place and selects it (the
// undo of a move is a move back, the same work).
void BM_TreeMove_BarePeer(benchmark::State& state)
{
    BareSiblings rig(static_cast<int>(state.range(0)));
    const int middle = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        rig.tree.setCurrentItem(rig.menu->child(middle));
        state.ResumeTiming();
        QTreeWidgetItem* moved = rig.menu->takeChild(middle);
        rig.menu->insertChild(middle - 1, moved);
        rig.tree.setCurrentItem(moved);
        Paint(rig.tree);
        state.PauseTiming();
        rig.menu->insertChild(middle, rig.menu->takeChild(middle - 1));
        state.ResumeTiming();
    }
}

double StartSeconds(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ATW_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QString::fromStdString(fs::temp_directory_path().string()) + QStringLiteral("/atw-qt-bench-config"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(60000);
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void StartLoop(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    for (auto _ : state)
        state.SetIterationTime(StartSeconds(program, arguments));
}

void BM_StartEditor(benchmark::State& state)
{
    StartLoop(state, QCoreApplication::applicationDirPath() + QStringLiteral("/AppletTavelinWizard"), {});
}

void BM_StartBareWindow(benchmark::State& state)
{
    StartLoop(state, QCoreApplication::applicationDirPath() + QStringLiteral("/atw_bare_window"), {});
}

// The editor opening the 100,000-item project named on its command line.
void BM_StartEditor_Project(benchmark::State& state)
{
    const std::string tvx = ProjectFile(static_cast<int>(state.range(0)));
    const QString page = QString::fromStdString(tvx.substr(0, tvx.size() - 4) + ".htm");
    StartLoop(state, QCoreApplication::applicationDirPath() + QStringLiteral("/AppletTavelinWizard"), {page});
}

// The peer: the bare window showing a tree of the same top-level shape.
void BM_StartBareWindow_Tree(benchmark::State& state)
{
    const CAppletParameters& model = BenchModel::Shared(static_cast<int>(state.range(0)));
    const QString menus = QString::number(model.m_arrMenus.size());
    StartLoop(state, QCoreApplication::applicationDirPath() + QStringLiteral("/atw_bare_window"), {menus});
}
}  // namespace

BENCHMARK(BM_LoadProject_Ours)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeer_QSettings)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildTree)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreePeer_BareWidget)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeEdits1000)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowProject_Editor)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPeer_BareLazyTree)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeInsert_Ours)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeInsert_BarePeer)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeDelete_Ours)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeDelete_BarePeer)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeUndoDelete_Ours)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeUndoDelete_BarePeer)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeUndoInsert_Ours)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeUndoInsert_BarePeer)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeMoveUp_Ours)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeUndoMoveUp_Ours)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeMove_BarePeer)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartEditor)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartBareWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartEditor_Project)->Arg(100000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartBareWindow_Tree)->Arg(100000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
