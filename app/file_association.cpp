#include "app/file_association.h"

#include "app/profile_extension.h"
#include "platform/desktop_registration.h"
#include "platform/errors.h"
#include "resources/resources.h"

namespace {
const QString kIconKey = QStringLiteral("Yearnbox\\DefaultIcon");
const QString kCommandKey = QStringLiteral("Yearnbox\\Shell\\Open\\Command");
const QString kGlob = QLatin1Char('*') + kProfileExtension;

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

QString AssociationIconText(const QString &executable)
{
    return Quoted(executable) + QStringLiteral(", 0");
}

QString AssociationCommandText(const QString &executable)
{
    return Quoted(executable) + QStringLiteral(">>%1");
}

TDesktopFileType YearnboxFileType(const QString &executable)
{
    TDesktopFileType type;
    type.id = QStringLiteral("yearnbox");
    type.name = QStringLiteral("Yearnbox");
    type.comment = QStringLiteral("Keep wish lists, saved as you type");
    type.keywords = {QStringLiteral("wish list"), QStringLiteral("wishlist"),
                     QStringLiteral("gift"),      QStringLiteral("present"),
                     QStringLiteral("shopping"),  QStringLiteral("price")};
    type.typeComment = QStringLiteral("Yearnbox Profile");
    type.translations = {
        {QStringLiteral("de"),
         QStringLiteral("Wunschlisten führen, gespeichert beim Tippen"),
         {QStringLiteral("Wunschliste"), QStringLiteral("Wunschzettel"), QStringLiteral("Geschenk"),
          QStringLiteral("Einkaufen"), QStringLiteral("Preis")},
         QStringLiteral("Yearnbox-Profil")},
        {QStringLiteral("es"),
         QStringLiteral("Listas de deseos, guardadas mientras escribe"),
         {QStringLiteral("lista de deseos"), QStringLiteral("regalo"), QStringLiteral("compras"),
          QStringLiteral("precio")},
         QStringLiteral("Perfil de Yearnbox")},
        {QStringLiteral("fr"),
         QStringLiteral("Des listes de souhaits, enregistrées à la saisie"),
         {QStringLiteral("liste de souhaits"), QStringLiteral("liste d’envies"),
          QStringLiteral("cadeau"), QStringLiteral("achats"), QStringLiteral("prix")},
         QStringLiteral("Profil Yearnbox")}};
    type.mimeType = QStringLiteral("application/x-yearnbox-profile");
    type.glob = kGlob;
    // The document is the lone argument, which start-up opens as it is.
    type.program = executable;
    type.iconPng = resources::Bytes(resources::kIcon);
    return type;
}

TFileAssociation::TFileAssociation(const QString &keyStoreRoot, IDesktopRegistration &desktop,
                                   QString executable)
    : store_(keyStoreRoot), desktop_(desktop), executable_(std::move(executable))
{
}

bool TFileAssociation::AssociationExists() const
{
    return store_.KeyExists(kProfileExtension) || desktop_.KnowsGlob(kGlob);
}

void TFileAssociation::WriteAssociation()
{
    if (AssociationExists())
        return;
    try {
        const std::pair<QString, QString> keys[] = {
            {kProfileExtension, QStringLiteral("Yearnbox")},
            {kIconKey, AssociationIconText(executable_)},
            {kCommandKey, AssociationCommandText(executable_)},
        };
        for (const auto &[key, value] : keys) {
            store_.OpenKey(key, true);
            store_.WriteDefaultString(value);
            store_.CloseKey();
        }
        desktop_.Register(YearnboxFileType(executable_));
    } catch (const EYearnboxError &) {
        store_.CloseKey();
    }
}
