// The editor's own figures against Qt references, in one run: the project
// reader against QSettings reading the same file, the tree's rebuild against
// a bare tree widget of the same shape, edits on a large tree against the
// same edits on a small one, and the editor's start against a bare window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTreeWidget>
#include <filesystem>
#include <unistd.h>

#include "BenchModel.h"
#include "CTestEditor.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "editor/CModelEditor.h"
#include "codec/CPageWriter.h"
#include "codec/CProjectReader.h"
#include "codec/CStdFileSystem.h"
#include "ui/CAppletTavelinWizardView.h"

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
        writer.SaveFiles(page.string(), dir.string(), writer.BuildPage(), false, "");
    }
    return (dir / ("p" + std::to_string(items) + ".tvx")).string();
}

void PerItem(benchmark::State& state)
{
    state.counters["per_item"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
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

QTreeWidgetItem* BareNode(const std::string& text, const QIcon& icon, const CTavelin* menu)
{
    auto* node = new QTreeWidgetItem;
    node->setText(0, QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
    node->setIcon(0, icon);
    QList<QTreeWidgetItem*> children;
    for (const auto& item : menu->m_arrItems)
        children << BareNode(item->m_strLabel, icon, item->m_pSubMenu.get());
    node->addChildren(children);
    return node;
}

// The peer: a bare tree widget filled with the same shape, text and
// picture only, built bottom-up.
void BM_TreePeer_BareWidget(benchmark::State& state)
{
    TreeRig rig(static_cast<int>(state.range(0)));
    const QIcon icon = rig.view.RootNode()->icon(0);
    QTreeWidget bare;
    bare.resize(rig.view.size());
    for (auto _ : state) {
        bare.clear();
        auto* root = new QTreeWidgetItem(QStringList(QStringLiteral("root")));
        QList<QTreeWidgetItem*> menus;
        for (const auto& menu : rig.run.params.m_arrMenus)
            menus << BareNode(menu->m_strName, icon, menu.get());
        root->addChildren(menus);
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

double StartSeconds(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ATW_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(fs::temp_directory_path().string()) +
                                                      QStringLiteral("/atw-qt-bench-config"));
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
}  // namespace

BENCHMARK(BM_LoadProject_Ours)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeer_QSettings)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildTree)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreePeer_BareWidget)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeEdits1000)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartEditor)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartBareWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

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
