#pragma once
// A settings store in memory that keeps each value's kind, as the registry does:
// reading a value as another kind fails. Names are case-insensitive.
#include <QMap>
#include <QVariant>

#include "platform/settings_store.h"

namespace kw::test {

class MemorySettingsStore : public SettingsStore {
public:
    enum class Kind { Integer, String, Date };
    struct Value {
        Kind kind;
        QVariant data;
    };
    // Key path (lower case) -> value name (lower case) -> value.
    QMap<QString, QMap<QString, Value>> keys;

    bool keyExists(const QString& keyPath) const override;
    bool openKey(const QString& keyPath, bool create) override;
    void closeKey() override {}

    bool valueExists(const QString& name) const override;
    std::optional<bool> readBool(const QString& name) const override;
    std::optional<int> readInteger(const QString& name) const override;
    std::optional<QString> readString(const QString& name) const override;
    std::optional<double> readDate(const QString& name) const override;

    void writeBool(const QString& name, bool value) override;
    void writeInteger(const QString& name, int value) override;
    void writeString(const QString& name, const QString& value) override;
    void writeDate(const QString& name, double dayCount) override;

    // A value of the main key, for tests to set up and inspect.
    const Value* mainValue(const QString& name) const;

private:
    const Value* find(const QString& name) const;
    QString m_key;
};

}  // namespace kw::test
