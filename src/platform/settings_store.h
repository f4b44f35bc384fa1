#pragma once
// The per-user settings store: keys by path ("\SOFTWARE\Quendel\Kleinkugel"),
// values by case-insensitive name with a kind. A read answers nullopt when the
// value is missing or cannot be read as the kind asked for.
#include <QString>
#include <optional>

namespace kw {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool keyExists(const QString& keyPath) const = 0;
    // Makes keyPath the current key; creates it when asked. False when it cannot.
    virtual bool openKey(const QString& keyPath, bool create) = 0;
    // Writes pending changes of the current key through.
    virtual void closeKey() = 0;

    virtual bool valueExists(const QString& name) const = 0;
    virtual std::optional<bool> readBool(const QString& name) const = 0;
    virtual std::optional<int> readInteger(const QString& name) const = 0;
    virtual std::optional<QString> readString(const QString& name) const = 0;
    // A date as the 8-byte day count.
    virtual std::optional<double> readDate(const QString& name) const = 0;

    virtual void writeBool(const QString& name, bool value) = 0;
    virtual void writeInteger(const QString& name, int value) = 0;
    virtual void writeString(const QString& name, const QString& value) = 0;
    virtual void writeDate(const QString& name, double dayCount) = 0;
};

}  // namespace kw
