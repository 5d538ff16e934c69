#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavrolin {

namespace {

// Qt mirrors its layouts where this reads "RTL", as each translation says; listed here so that
// lupdate keeps it in every translation.
[[maybe_unused]] constexpr struct
{
    const char *source, *comment;
} layoutDirection = QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

// Loads the catalogue "name_<language>.qm" for the first of the user's languages (as
// QLocale::system().uiLanguages() lists them) found in one of the folders, and installs it.
void install(const QString &name, std::initializer_list<QString> folders)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}

} // namespace

void installTranslations()
{
    // A catalogue for English too, empty: an English user who also reads another language gets
    // the English window, not the second language's.
    install(QStringLiteral("tavrolin"), {QStringLiteral(":/i18n")});
    // The system's Qt translations where Qt is shared; the Windows executable carries its own.
    install(QStringLiteral("qtbase"),
        {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/i18n")});
}

} // namespace tavrolin
