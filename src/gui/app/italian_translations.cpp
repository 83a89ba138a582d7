#include "gui/app/italian_translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quirvo {

namespace {

// Texts of Qt's dialogs that Debian's Italian catalogue leaves in English.
class MissingItalian : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QHash<QString, QString> texts{{"Pages", "Pagine"},
                                                   {"Double Sided Printing", "Stampa fronte/retro"},
                                                   {"Off", "No"},
                                                   {"Long side binding", "Rilegatura sul lato lungo"},
                                                   {"Short side binding", "Rilegatura sul lato corto"}};
        if (qstrcmp(context, "QPrintSettingsOutput") != 0) return {};
        return texts.value(QString::fromUtf8(source).remove('&'));
    }
};

}  // namespace

bool installItalianTranslations(QCoreApplication& app) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    if (app.findChild<QTranslator*>("qtbase_it", Qt::FindDirectChildrenOnly)) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName("qtbase_it");
    if (!translator->load(italian, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Installed last, it is asked first; it answers only for its own texts.
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new MissingItalian(translator));
}

}  // namespace quirvo
