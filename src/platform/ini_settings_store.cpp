#include "platform/ini_settings_store.h"

#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace kw {

namespace {

QString groupOf(const QString& keyPath)
{
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.startsWith(QLatin1Char('/'))) group.remove(0, 1);
    while (group.endsWith(QLatin1Char('/'))) group.chop(1);
    return group;
}

// A hash that is the same for two names that differ in case only (as a case-insensitive comparison
// sees them: one UTF-16 unit at a time, folded), without making a folded copy.
size_t foldedHash(const QString& name)
{
    size_t hash = static_cast<size_t>(name.size());
    for (const QChar c : name) {
        // A surrogate's character is folded whole; it never folds to a single unit.
        const char16_t folded = c.isSurrogate() ? 0xFFFF : QChar::toCaseFolded(c.unicode());
        hash = hash * 31 + folded;
    }
    return hash;
}

}  // namespace

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(
          filePath, filePath == QLatin1String(kCurrentUserRegistry) ? QSettings::NativeFormat
                                                                    : QSettings::IniFormat))
{
}

QString IniSettingsStore::defaultFilePath()
{
#ifdef Q_OS_WIN
    return QString::fromLatin1(kCurrentUserRegistry);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quendel/Kleinkugel.ini");
#endif
}

bool IniSettingsStore::keyExists(const QString& keyPath) const
{
    const QString group = groupOf(keyPath);
    const QStringList keys = m_settings->allKeys();
    for (const QString& key : keys)
        if (key.startsWith(group + QLatin1Char('/'), Qt::CaseInsensitive)) return true;
    return m_settings->childGroups().contains(group, Qt::CaseInsensitive);
}

bool IniSettingsStore::openKey(const QString& keyPath, bool create)
{
    if (!create && !keyExists(keyPath)) return false;
    m_group = groupOf(keyPath);
    m_names.reset();
    return m_settings->isWritable() || !create;
}

void IniSettingsStore::closeKey()
{
    m_settings->sync();
    m_names.reset();  // a sync brings in what other programs wrote meanwhile
}

const IniSettingsStore::Names& IniSettingsStore::names() const
{
    if (!m_names) {
        m_settings->beginGroup(m_group);
        Names names{m_settings->childKeys(), {}, {}};
        m_settings->endGroup();
        names.byFolded.reserve(static_cast<size_t>(names.listed.size()));
        for (int i = 0; i < names.listed.size(); ++i)
            names.byFolded.emplace_back(foldedHash(names.listed[i]), i);
        std::sort(names.byFolded.begin(), names.byFolded.end());
        m_names = std::move(names);
    }
    return *m_names;
}

QString IniSettingsStore::storedName(const QString& name) const
{
    // The first spelling listed that matches, as a search through the list finds it.
    const Names& all = names();
    const size_t hash = foldedHash(name);
    auto it = std::lower_bound(all.byFolded.begin(), all.byFolded.end(), std::pair{hash, 0});
    for (; it != all.byFolded.end() && it->first == hash; ++it)
        if (all.listed[it->second].compare(name, Qt::CaseInsensitive) == 0)
            return all.listed[it->second];
    return all.written.value(name.toCaseFolded(), name);
}

std::optional<QVariant> IniSettingsStore::read(const QString& name) const
{
    const QString key = m_group + QLatin1Char('/') + storedName(name);
    if (!m_settings->contains(key)) return std::nullopt;
    return m_settings->value(key);
}

void IniSettingsStore::write(const QString& name, const QVariant& value)
{
    const QString stored = storedName(name);
    m_settings->setValue(m_group + QLatin1Char('/') + stored, value);
    m_names->written.insert(stored.toCaseFolded(), stored);
}

bool IniSettingsStore::valueExists(const QString& name) const
{
    return read(name).has_value();
}

std::optional<bool> IniSettingsStore::readBool(const QString& name) const
{
    const auto value = readInteger(name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<int> IniSettingsStore::readInteger(const QString& name) const
{
    const auto value = read(name);
    if (!value || value->typeId() == QMetaType::QByteArray) return std::nullopt;
    bool ok = false;
    const int number = value->toString().trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<QString> IniSettingsStore::readString(const QString& name) const
{
    const auto value = read(name);
    if (!value || value->typeId() == QMetaType::QByteArray) return std::nullopt;
    return value->toString();
}

std::optional<double> IniSettingsStore::readDate(const QString& name) const
{
    const auto value = read(name);
    if (!value || value->typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = value->toByteArray();
    if (bytes.size() != 8) return std::nullopt;
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double dayCount;
    std::memcpy(&dayCount, &bits, sizeof dayCount);
    return dayCount;
}

void IniSettingsStore::writeBool(const QString& name, bool value)
{
    write(name, value ? 1 : 0);
}

void IniSettingsStore::writeInteger(const QString& name, int value)
{
    write(name, value);
}

void IniSettingsStore::writeString(const QString& name, const QString& value)
{
    write(name, value);
}

void IniSettingsStore::writeDate(const QString& name, double dayCount)
{
    quint64 bits;
    std::memcpy(&bits, &dayCount, sizeof bits);
    QByteArray bytes(8, '\0');
    qToLittleEndian(bits, bytes.data());
    write(name, bytes);
}

}  // namespace kw
