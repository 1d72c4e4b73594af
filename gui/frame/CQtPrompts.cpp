// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CQtPrompts.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "gui/dialogs/CDlgRecoverCopies.h"
#include "gui/widgets/CMediaFileDialog.h"

QString CQtPrompts::Title()
{
    return QCoreApplication::translate("CQtPrompts", "Applet Tavelina Wizard");
}

void CQtPrompts::Message(QWidget* parent, const QString& text, Icon icon)
{
    QMessageBox::Icon qicon = QMessageBox::Warning;
    switch (icon) {
    case Icon::Information: qicon = QMessageBox::Information; break;
    case Icon::Stop: qicon = QMessageBox::Critical; break;
    case Icon::Question: qicon = QMessageBox::Question; break;
    case Icon::Warning: qicon = QMessageBox::Warning; break;
    }
    QMessageBox box(qicon, Title(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool CQtPrompts::Confirm(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}

IUserPrompts::SaveAnswer CQtPrompts::AskSave(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, Title(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    switch (box.exec()) {
    case QMessageBox::Yes: return SaveAnswer::Yes;
    case QMessageBox::No: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;
    }
}

IUserPrompts::RecoverAnswer CQtPrompts::AskRecover(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::NoButton, parent);
    QPushButton* recover = box.addButton(QCoreApplication::translate("CQtPrompts", "Recover"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QCoreApplication::translate("CQtPrompts", "Discard"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(QCoreApplication::translate("CQtPrompts", "Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover)
        return RecoverAnswer::Recover;
    return box.clickedButton() == discard ? RecoverAnswer::Discard : RecoverAnswer::Later;
}

IUserPrompts::RecoverListAnswer CQtPrompts::AskRecoverList(QWidget* parent, const QString& text,
                                                           const QStringList& rows)
{
    CDlgRecoverCopies dialog(text, rows, parent);
    dialog.exec();
    return dialog.Answer();
}

QString CQtPrompts::OpenFileName(QWidget* parent, const QString& caption, const QString& filter, const QString& initial)
{
    return QFileDialog::getOpenFileName(parent, caption, initial, filter, nullptr, QFileDialog::DontUseNativeDialog);
}

QString CQtPrompts::OpenMediaFileName(QWidget* parent, const QString& filter, const QString& initial)
{
    CMediaFileDialog dialog(m_player, filter, initial, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString CQtPrompts::SaveFileName(QWidget* parent, const QString& caption, const QString& filter, const QString& initial)
{
    return QFileDialog::getSaveFileName(parent, caption, initial, filter, nullptr, QFileDialog::DontUseNativeDialog);
}

QString CQtPrompts::FolderName(QWidget* parent, const QString& caption, const QString& initial)
{
    return QFileDialog::getExistingDirectory(parent, caption, initial,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

std::optional<QColor> CQtPrompts::ChooseColor(QWidget* parent, const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int CQtPrompts::Exec(QDialog& dialog)
{
    return dialog.exec();
}

bool CQtPrompts::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool CQtPrompts::StartDetached(const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    return QProcess::startDetached(program, arguments, workingDirectory);
}
