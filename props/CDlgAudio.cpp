#include "CDlgAudio.h"

CDlgAudio::CDlgAudio(QWidget* parent)
    : CDlgMediaFiles(QStringLiteral("Audio"), kDialogId, {"Mouse Over", "Click"},
                     Filter(), parent)
{
}

QString CDlgAudio::Filter()
{
    return QStringLiteral("Audio Files(*.au) (*.au)");
}
