#pragma once

#include <string>

#include "CPropertyPage.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// "Item": the selected item's label, description, link and target frame; its
// Image... and Audio... buttons apply media files at once to the item, its
// menu or every item. The label is stored at once when its box loses the focus.
class CDlgItem : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 146;

    explicit CDlgItem(const CEditorContext& context, QWidget* parent = nullptr);

    void LoadFromModel() override;
    bool StoreToModel() override;
    bool IsStale() const override;

    // The first entry of the target list that begins with target, ignoring
    // case; -1 when none does (or target is empty).
    static int MatchTarget(const QStringList& entries, const QString& target);

    std::string m_strLabel;
    std::string m_strDescription;
    std::string m_strLink;
    std::string m_strTarget;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void DataToControls();
    void ControlsToData();
    void StoreLabel();
    void OnImage();
    void OnAudio();

    QPlainTextEdit* m_pLabel = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QLineEdit* m_pLink = nullptr;
    QComboBox* m_pTarget = nullptr;
};
