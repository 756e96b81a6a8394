#include "frontend/app/settings_backend_qt.h"

namespace zuzazizo {

QtSettingsBackend::QtSettingsBackend()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "Tessaron", "Dovuruza50")) {}

QtSettingsBackend::QtSettingsBackend(const QString& file_path)
    : settings_(std::make_unique<QSettings>(file_path, QSettings::NativeFormat)) {}

std::optional<std::string> QtSettingsBackend::read(const std::string& name) const {
    const QVariant value = settings_->value(QString::fromStdString(name));
    if (!value.isValid()) return std::nullopt;
    // A hand-edited value with a comma reads back as a list; it is not integer text either way.
    if (value.typeId() == QMetaType::QStringList) return std::string{};
    return value.toString().toStdString();
}

bool QtSettingsBackend::write(const std::string& name, const std::string& text) {
    const QString key = QString::fromStdString(name);
    const QString value = QString::fromStdString(text);
    // A value the store already holds as exactly this text is on disk already; writing it again
    // would cost a synced file replacement, and start-up writes back eight values every time.
    const QVariant present = settings_->value(key);
    if (settings_->status() == QSettings::NoError && present.typeId() == QMetaType::QString &&
        present.toString() == value) {
        return true;
    }
    settings_->setValue(key, value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString unsaved_setting_text(const std::string& name) {
    return QString(
               "The setting \"%1\" could not be saved. The game goes on, but your settings and "
               "high scores may not be kept.")
        .arg(QString::fromStdString(name));
}

}  // namespace zuzazizo
