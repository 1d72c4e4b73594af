#include "CQtSettings.h"

#include <QStringList>

#include "CText.h"

CQtSettings::CQtSettings() : m_settings(QStringLiteral("Quorvex"), QStringLiteral("AppletTavelinWizard"))
{
}

QString CQtSettings::Key(const std::string& section, const std::string& key)
{
    return CText::ToQ(section) + QLatin1Char('/') + CText::ToQ(key);
}

int CQtSettings::GetInt(const std::string& section, const std::string& key, int defaultValue)
{
    bool ok = false;
    const int value = m_settings.value(Key(section, key)).toInt(&ok);
    return ok ? value : defaultValue;
}

std::string CQtSettings::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue)
{
    const QVariant value = m_settings.value(Key(section, key));
    if (!value.isValid())
        return defaultValue;
    // An unquoted text with commas in the file reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return CText::FromQ(value.toStringList().join(QLatin1Char(',')));
    return CText::FromQ(value.toString());
}

void CQtSettings::SetInt(const std::string& section, const std::string& key, int value)
{
    m_settings.setValue(Key(section, key), value);
    m_settings.sync();
}

void CQtSettings::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    m_settings.setValue(Key(section, key), CText::ToQ(value));
    m_settings.sync();
}

bool CQtSettings::Contains(const std::string& section, const std::string& key)
{
    return m_settings.contains(Key(section, key));
}
