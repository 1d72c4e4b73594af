// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

class IUserPrompts;
class QLineEdit;
class QToolButton;

// An integer box of a page or dialog. A digits-only box accepts only digits
// when typed; a signed box takes any text and is checked when read. With a
// spin range it has small up/down arrows (and the Up/Down keys) that step the
// value inside that range; the range bounds only the arrows, never what is
// typed.
class CIntegerField : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Signed, DigitsOnly };

    CIntegerField(IUserPrompts& prompts, Kind kind, QWidget* parent = nullptr);

    void SetSpinRange(int min, int max);
    bool HasSpin() const { return m_pUp != nullptr; }
    void SetValue(int value);
    QString Text() const;
    void SetText(const QString& text);
    QLineEdit* Edit() const { return m_pEdit; }
    void Step(int delta);

    // An optionally signed decimal integer, spaces and tabs around it allowed.
    static std::optional<int> Parse(const QString& text);
    // Reads the box; when it fails (not an integer, or outside min..max) the
    // message is shown once, the box gets the focus and false comes back.
    bool Read(int& value) const;
    bool Read(int& value, int min, int max) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Refuse(const QString& message) const;

    IUserPrompts& m_prompts;
    QLineEdit* m_pEdit = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    int m_nMin = 0;
    int m_nMax = 0;
    // A refusal's message is up: refusals meanwhile show none of their own.
    static inline bool s_bRefusing = false;
};
