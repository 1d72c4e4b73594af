// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgExportHtml5.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>

CDlgExportHtml5::CDlgExportHtml5(QWidget* parent, bool fragment)
    : QFileDialog(parent, tr("Export HTML5 Menu"), QString(), tr("HTML Files(*.htm,*.html) (*.htm *.html)"))
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets ".htm" before the dialog asks
    // whether to replace an existing file, so the question is about the
    // file that will be written.
    setDefaultSuffix(QStringLiteral("htm"));
    selectFile(QStringLiteral("menu.htm"));
    m_pFragment = new QCheckBox(tr(kFragmentText), this);
    m_pFragment->setObjectName(QStringLiteral("chkFragment"));
    m_pFragment->setChecked(fragment);
    m_pFragment->setToolTip(tr("Write only the menu and a link to its style sheet, without the page around it"));
    // Qt's own dialog lays itself out on a grid: the box goes below it.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_pFragment, grid->rowCount(), 0, 1, grid->columnCount());
}

bool CDlgExportHtml5::Fragment() const
{
    return m_pFragment->isChecked();
}

void CDlgExportHtml5::SetFragment(bool on)
{
    m_pFragment->setChecked(on);
}

QString CDlgExportHtml5::PagePath() const
{
    const QStringList files = selectedFiles();
    if (files.isEmpty() || files.first().isEmpty() || QFileInfo(files.first()).isDir())
        return QString();
    QString path = files.first();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".htm");
    return path;
}

QString CDlgExportHtml5::ProposedName(const QString& projectPage)
{
    if (projectPage.isEmpty())
        return QStringLiteral("menu.htm");
    return QFileInfo(projectPage).completeBaseName() + QStringLiteral("-html5.htm");
}

void CDlgExportHtml5::ProposeFor(const QString& projectPage)
{
    if (!projectPage.isEmpty())
        setDirectory(QFileInfo(projectPage).absolutePath());
    selectFile(ProposedName(projectPage));
}

bool CDlgExportHtml5::IsProjectPage(const QString& path, const QString& projectPage)
{
    if (path.isEmpty() || projectPage.isEmpty())
        return false;
    const QFileInfo chosen(path), project(projectPage);
    if (chosen.exists() && project.exists())
        return chosen.canonicalFilePath() == project.canonicalFilePath();
    return chosen.absoluteFilePath() == project.absoluteFilePath();
}
