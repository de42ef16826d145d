#include "app/qt/QSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <limits>

namespace {

QString keyOf(const std::string& group, const std::string& name) {
    return QString::fromStdString(group) + QLatin1Char('/') + QString::fromStdString(name);
}

} // namespace

std::string QSettingsStore::readString(const std::string& group, const std::string& name,
                                       const std::string& fallback) {
    const QVariant value = settings_.value(keyOf(group, name));
    if (!value.isValid() || !value.canConvert<QString>() ||
        value.typeId() == QMetaType::QStringList) {
        return fallback;
    }
    return value.toString().toStdString();
}

int QSettingsStore::readInt(const std::string& group, const std::string& name, int fallback) {
    const QVariant value = settings_.value(keyOf(group, name));
    if (!value.isValid()) {
        return fallback;
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > 0xFFFFFFFFLL) {
        return fallback;
    }
    // Colours are stored as unsigned 32-bit values; keep their bits.
    return static_cast<int>(static_cast<quint32>(number));
}

void QSettingsStore::writeString(const std::string& group, const std::string& name,
                                 const std::string& value) {
    settings_.setValue(keyOf(group, name), QString::fromStdString(value));
}

void QSettingsStore::writeInt(const std::string& group, const std::string& name, int value) {
    settings_.setValue(keyOf(group, name), value);
}
