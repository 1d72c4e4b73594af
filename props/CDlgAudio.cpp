#include "CDlgAudio.h"

CDlgAudio::CDlgAudio(QWidget* parent)
    : CDlgMediaFiles(QStringLiteral("Audio"), kDialogId, {"Mouse Over", "Click"},
                     QStringLiteral("Audio Files(*.au) (*.au)"), parent)
{
}
