#include "CPropertyFrame.h"

#include <QCloseEvent>

// Placeholder until the property sheets land: an empty tool window.
struct CPropertyFrame::Private {
    bool hasSheet = false;
    Sheet sheet = Sheet::Applet;
};

CPropertyFrame::CPropertyFrame(QWidget* owner) : QWidget(owner, Qt::Tool), d(new Private)
{
    setWindowTitle(QStringLiteral("Property Sheet"));
}

CPropertyFrame::~CPropertyFrame()
{
    delete d;
}

void CPropertyFrame::ShowSheet(Sheet sheet, const QString& caption, CTavelinItem*, CTavelin*)
{
    d->hasSheet = true;
    d->sheet = sheet;
    setWindowTitle(caption);
}

void CPropertyFrame::CloseFrame()
{
    hide();
}

bool CPropertyFrame::CommitActivePage()
{
    return true;
}

void CPropertyFrame::ReloadAppletPage() {}

void CPropertyFrame::ForgetSheet()
{
    d->hasSheet = false;
}

bool CPropertyFrame::ShowsSheet(Sheet sheet) const
{
    return d->hasSheet && d->sheet == sheet;
}

bool CPropertyFrame::HasSheet() const
{
    return d->hasSheet;
}

void CPropertyFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    CloseFrame();
}
