#include "gui/app/user_settings.h"

#include <QSettings>
#include <algorithm>
#include <QStandardPaths>

namespace quirvo {

namespace {

constexpr int MAX_FILL_SECONDS = 3600;

}  // namespace

// Qt reads what it can of a damaged file and would keep it; here none of it
// counts, and the file is written afresh.
UserSettings::UserSettings() : s_(std::make_unique<QSettings>(filePath(), QSettings::IniFormat)) {
    if (s_->status() == QSettings::FormatError) s_->clear();
}

UserSettings::~UserSettings() = default;

QString UserSettings::filePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/quirvo.ini";
}

bool UserSettings::flag(const QString& key, bool fallback) const {
    const QString text = s_->value(key).toString();
    return text == "true" ? true : text == "false" ? false : fallback;
}

int UserSettings::number(const QString& key, int fallback, int min, int max) const {
    bool ok = false;
    const int value = s_->value(key).toString().toInt(&ok);
    return ok && value >= min && value <= max ? value : fallback;
}

int UserSettings::choice(const QString& key, int fallback, std::initializer_list<int> allowed) const {
    const int value = number(key, fallback, std::min(allowed), std::max(allowed));
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : fallback;
}

// One line a field, read and written.
FillSettings UserSettings::fill() const {
    FillSettings f;
    f.seconds = number("riempimento/secondi", f.seconds, 1, MAX_FILL_SECONDS);
    f.improve = flag("riempimento/migliora", f.improve);
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        f.allowed[slot] = flag(QStringLiteral("riempimento/dizionario%1").arg(slot), f.allowed[slot]);
    f.rules = flag("riempimento/regole", f.rules);
    f.minFamiliarity = choice("riempimento/familiarita", f.minFamiliarity,
                              {FAMILIARITY_ALL, FAMILIARITY_COMMON, FAMILIARITY_VERY_COMMON});
    return f;
}

void UserSettings::setFill(const FillSettings& f) {
    s_->setValue("riempimento/secondi", f.seconds);
    s_->setValue("riempimento/migliora", f.improve);
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        s_->setValue(QStringLiteral("riempimento/dizionario%1").arg(slot), f.allowed[slot]);
    s_->setValue("riempimento/regole", f.rules);
    s_->setValue("riempimento/familiarita", f.minFamiliarity);
}

bool UserSettings::liveCheck() const { return flag("controllo/attivo", true); }
void UserSettings::setLiveCheck(bool on) { s_->setValue("controllo/attivo", on); }

QByteArray UserSettings::windowState() const { return s_->value("finestra/stato").toByteArray(); }
void UserSettings::setWindowState(const QByteArray& state) { s_->setValue("finestra/stato", state); }

PageChoices UserSettings::pageOptions(PageChoices c) const {
    c.emptyGrid = flag("pagina/schemaVuoto", c.emptyGrid);
    c.definitions = flag("pagina/definizioni", c.definitions);
    c.solution = flag("pagina/soluzione", c.solution);
    return c;
}

void UserSettings::setPageOptions(const PageChoices& c) {
    s_->setValue("pagina/schemaVuoto", c.emptyGrid);
    s_->setValue("pagina/definizioni", c.definitions);
    s_->setValue("pagina/soluzione", c.solution);
}

QString UserSettings::exportFolder() const { return s_->value("esporta/cartella").toString(); }
void UserSettings::setExportFolder(const QString& folder) { s_->setValue("esporta/cartella", folder); }

}  // namespace quirvo
