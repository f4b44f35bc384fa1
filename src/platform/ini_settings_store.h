#pragma once
// The settings store as an ini file (the platforms without a registry). Key paths
// become groups; an ini file holds every value as text, so reads convert and
// answer nullopt when the text does not fit the kind.
#include <QSettings>
#include <memory>

#include "platform/settings_store.h"

namespace kw {

class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath);
    // The user's settings file: <config folder>/Quendel/Kleinkugel.ini.
    static QString defaultFilePath();

    bool keyExists(const QString& keyPath) const override;
    bool openKey(const QString& keyPath, bool create) override;
    void closeKey() override;

    bool valueExists(const QString& name) const override;
    std::optional<bool> readBool(const QString& name) const override;
    std::optional<int> readInteger(const QString& name) const override;
    std::optional<QString> readString(const QString& name) const override;
    std::optional<double> readDate(const QString& name) const override;

    void writeBool(const QString& name, bool value) override;
    void writeInteger(const QString& name, int value) override;
    void writeString(const QString& name, const QString& value) override;
    void writeDate(const QString& name, double dayCount) override;

private:
    QString storedName(const QString& name) const;  // the existing spelling, or name
    std::optional<QVariant> read(const QString& name) const;
    void write(const QString& name, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
    QString m_group;
};

}  // namespace kw
