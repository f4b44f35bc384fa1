#include "support/memory_settings_store.h"

#include "state/startup.h"

namespace kw::test {

bool MemorySettingsStore::keyExists(const QString& keyPath) const
{
    return keys.contains(keyPath.toLower());
}

bool MemorySettingsStore::openKey(const QString& keyPath, bool create)
{
    if (!keyExists(keyPath) && !create) return false;
    m_key = keyPath.toLower();
    keys[m_key];
    return true;
}

const MemorySettingsStore::Value* MemorySettingsStore::find(const QString& name) const
{
    const auto key = keys.constFind(m_key);
    if (key == keys.constEnd()) return nullptr;
    const auto value = key->constFind(name.toLower());
    return value == key->constEnd() ? nullptr : &*value;
}

const MemorySettingsStore::Value* MemorySettingsStore::mainValue(const QString& name) const
{
    const auto key = keys.constFind(kSettingsKey.toLower());
    if (key == keys.constEnd()) return nullptr;
    const auto value = key->constFind(name.toLower());
    return value == key->constEnd() ? nullptr : &*value;
}

bool MemorySettingsStore::valueExists(const QString& name) const
{
    return find(name) != nullptr;
}

std::optional<bool> MemorySettingsStore::readBool(const QString& name) const
{
    const auto value = readInteger(name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<int> MemorySettingsStore::readInteger(const QString& name) const
{
    const Value* v = find(name);
    if (!v || v->kind != Kind::Integer) return std::nullopt;
    return v->data.toInt();
}

std::optional<QString> MemorySettingsStore::readString(const QString& name) const
{
    const Value* v = find(name);
    if (!v || v->kind != Kind::String) return std::nullopt;
    return v->data.toString();
}

std::optional<double> MemorySettingsStore::readDate(const QString& name) const
{
    const Value* v = find(name);
    if (!v || v->kind != Kind::Date) return std::nullopt;
    return v->data.toDouble();
}

void MemorySettingsStore::writeBool(const QString& name, bool value)
{
    writeInteger(name, value ? 1 : 0);
}

void MemorySettingsStore::writeInteger(const QString& name, int value)
{
    keys[m_key][name.toLower()] = {Kind::Integer, value};
}

void MemorySettingsStore::writeString(const QString& name, const QString& value)
{
    keys[m_key][name.toLower()] = {Kind::String, value};
}

void MemorySettingsStore::writeDate(const QString& name, double dayCount)
{
    keys[m_key][name.toLower()] = {Kind::Date, dayCount};
}

}  // namespace kw::test
