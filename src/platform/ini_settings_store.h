#pragma once
// The settings store through QSettings: an ini file on the platforms without a
// registry, the current user's registry branch on Windows. Key paths become
// groups; an ini file holds every value as text, so reads convert and answer
// nullopt when the text does not fit the kind.
#include <QHash>
#include <QSettings>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/settings_store.h"

namespace kw {

class IniSettingsStore : public SettingsStore {
public:
    // The path of an ini file, or kCurrentUserRegistry for the Windows registry.
    explicit IniSettingsStore(const QString& filePath);
    static constexpr const char* kCurrentUserRegistry = "HKEY_CURRENT_USER";
    // The user's settings: <config folder>/Quendel/Kleinkugel.ini, on Windows the registry.
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
    // The current key's value names, listed once when first needed after the key was
    // opened or written through, not on every read and write: listing is slow, and a
    // key may hold many thousands of values the program does not know.
    struct Names {
        QStringList listed;                            // in QSettings' order
        std::vector<std::pair<size_t, int>> byFolded;  // (hashOfFolded, index), sorted
        QHash<QString, QString> written;               // names new since, by folded form
    };
    const Names& names() const;

    std::unique_ptr<QSettings> m_settings;
    QString m_group;
    mutable std::optional<Names> m_names;
};

}  // namespace kw
