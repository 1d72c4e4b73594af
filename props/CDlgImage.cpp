#include "CDlgImage.h"

CDlgImage::CDlgImage(QWidget* parent)
    : CDlgMediaFiles(QStringLiteral("Image"), kDialogId, {"Normal", "Mouse Over", "Click"},
                     QStringLiteral("Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)"), parent)
{
}
