<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>EConvertError</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the priority &apos;%1&apos; is not a whole number</source>
        <translation>la priorité «&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the mark &apos;%1&apos; is neither True nor False</source>
        <translation>la marque «&#xa0;%1&#xa0;» n’est ni True ni False</translation>
    </message>
    <message>
        <source>%1 fields, but only %2 are read</source>
        <translation>%1 champs, mais seuls %2 sont lus</translation>
    </message>
    <message>
        <source>the UTF-16 text has an odd number of bytes</source>
        <translation>le texte UTF-16 a un nombre impair d’octets</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor UTF-16</source>
        <translation>le texte n’est ni en UTF-8 ni en UTF-16</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>du texte après le guillemet fermant d’un champ</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n’est pas fermé</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre à virgule flottante valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une valeur booléenne valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date et heure valide</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>is the profile itself; it is not replaced</source>
        <translation>est le profil lui-même&#xa0;; il n’est pas remplacé</translation>
    </message>
    <message>
        <source>is a profile; it is not replaced</source>
        <translation>est un profil&#xa0;; il n’est pas remplacé</translation>
    </message>
    <message>
        <source>File could not be read: %1</source>
        <translation>Le fichier n’a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File could not be opened: not a regular file</source>
        <translation>Le fichier n’a pas pu être ouvert&#xa0;: ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>File could not be opened: %1</source>
        <translation>Le fichier n’a pas pu être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>File could not be written: &quot;%1&quot;: %2</source>
        <translation>Le fichier n’a pas pu être écrit&#xa0;: «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>File could not be created: &quot;%1&quot;: %2</source>
        <translation>Le fichier n’a pas pu être créé&#xa0;: «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Invalid key name: %1</source>
        <translation>Nom de clé non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Key could not be opened: %1</source>
        <translation>La clé n’a pas pu être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>No key is open</source>
        <translation>Aucune clé n’est ouverte</translation>
    </message>
    <message>
        <source>Folder could not be created: %1</source>
        <translation>Le dossier n’a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Link could not be created: %1</source>
        <translation>Le lien n’a pas pu être créé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>EYearnboxError</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Cell out of bounds (%1, %2)</source>
        <translation>Cellule hors limites (%1, %2)</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TCsvItemReader</name>
    <message>
        <source>1 NUL character was dropped</source>
        <translation>1 caractère NUL a été supprimé</translation>
    </message>
    <message numerus="yes">
        <source>%n NUL characters were dropped</source>
        <translation>
            <numerusform>%n caractère NUL a été supprimé</numerusform>
            <numerusform>%n caractères NUL ont été supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>a &apos;|&apos; became a line break (%1</source>
        <translation>un «&#xa0;|&#xa0;» est devenu un saut de ligne (%1</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
</context>
<context>
    <name>TFindAllDialog</name>
    <message>
        <source>1 item</source>
        <translation>1 souhait</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n souhait</numerusform>
            <numerusform>%n souhaits</numerusform>
        </translation>
    </message>
    <message>
        <source>1 profile</source>
        <translation>1 profil</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles</source>
        <translation>
            <numerusform>%n profil</numerusform>
            <numerusform>%n profils</numerusform>
        </translation>
    </message>
    <message>
        <source>Find in All Profiles</source>
        <translation>Rechercher dans tous les profils</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>%1 found in %2.</source>
        <translation>%1 dans %2.</translation>
    </message>
    <message>
        <source> %1 could not be read.</source>
        <translation> Lecture impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>(blank profile)</source>
        <translation>(profil vierge)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Restore an Earlier Version…</source>
        <translation>Restaurer une version antérieure…</translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation>Récapitulatif…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Find in All Profiles…</source>
        <translation>Rechercher dans tous les profils…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prix&#xa0;:</translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation>Priorité&#xa0;:</translation>
    </message>
    <message>
        <source>Date Added:</source>
        <translation>Ajouté le&#xa0;:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marqué</translation>
    </message>
    <message>
        <source>Profile could not be loaded; it may be missing or corrupt.</source>
        <translation>Le profil n’a pas pu être chargé&#xa0;; il est peut-être absent ou endommagé.</translation>
    </message>
    <message>
        <source>Please fill in more information about this item before trying to add it.</source>
        <translation>Veuillez en dire plus sur ce souhait avant de l’ajouter.</translation>
    </message>
    <message>
        <source>An item you changed was changed elsewhere too: your change was saved, and the other version is kept under &quot;Restore an Earlier Version…&quot;.</source>
        <translation>Un souhait que vous avez modifié l’a aussi été ailleurs&#xa0;: votre modification est enregistrée, et l’autre version est conservée sous «&#xa0;Restaurer une version antérieure…&#xa0;».</translation>
    </message>
    <message>
        <source>Create a New Yearnbox</source>
        <translation>Créer une nouvelle Yearnbox</translation>
    </message>
    <message>
        <source>Save this Profile</source>
        <translation>Enregistrer ce profil</translation>
    </message>
    <message>
        <source>Load a Profile</source>
        <translation>Ouvrir un profil</translation>
    </message>
    <message>
        <source>Delete the active profile</source>
        <translation>Supprimer le profil actif</translation>
    </message>
    <message>
        <source>Search Options:</source>
        <translation>Options de recherche&#xa0;:</translation>
    </message>
    <message>
        <source>New Search</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>How Important is this Item?</source>
        <translation>Importance de ce souhait&#xa0;:</translation>
    </message>
    <message>
        <source>Item Price or Estimate:</source>
        <translation>Prix ou estimation&#xa0;:</translation>
    </message>
    <message>
        <source>Item Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Item Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Save Item</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the item entry</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Nouveau souhait</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Souhaits</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>the list</comment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Annuler la recherche</translation>
    </message>
    <message>
        <source>About Yearnbox</source>
        <translation>À propos de Yearnbox</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the dialog title</comment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>Export Items</source>
        <translation>Exporter les souhaits</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Import Items</source>
        <translation>Importer des souhaits</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Le fichier n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was imported: %2.</source>
        <translation>«&#xa0;%1&#xa0;» a été importé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Copy to Profile</source>
        <translation>Copier vers le profil</translation>
    </message>
    <message>
        <source>Move to Profile</source>
        <translation>Déplacer vers le profil</translation>
    </message>
    <message>
        <source>The item was not copied: %1 is the profile shown.</source>
        <translation>Le souhait n’a pas été copié&#xa0;: %1 est le profil affiché.</translation>
    </message>
    <message>
        <source>The item was not moved: %1 is the profile shown.</source>
        <translation>Le souhait n’a pas été déplacé&#xa0;: %1 est le profil affiché.</translation>
    </message>
    <message>
        <source>The item could not be copied to %1.</source>
        <translation>Le souhait n’a pas pu être copié vers %1.</translation>
    </message>
    <message>
        <source>The item could not be moved to %1.</source>
        <translation>Le souhait n’a pas pu être déplacé vers %1.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Share as Web Page…</source>
        <translation>Partager en page web…</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Go to Item</source>
        <translation>&amp;Voir le souhait</translation>
    </message>
    <message>
        <source>Duplicate item</source>
        <translation>Souhait en double</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Share as Web Page</source>
        <translation>Partager en page web</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Page web (*.html)</translation>
    </message>
    <message>
        <source>Already in %1: %2</source>
        <translation>Déjà dans %1 : %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source> About Yearnbox</source>
        <translation> À propos de Yearnbox</translation>
    </message>
    <message>
        <source>Yearnbox is free software: share and change it under the GNU GPL, version 3 or later. It comes with no warranty.</source>
        <translation>Yearnbox est un logiciel libre&#xa0;: partagez-le et modifiez-le selon la GNU GPL, version 3 ou ultérieure. Il est fourni sans garantie.</translation>
    </message>
    <message>
        <source>The Yearnbox authors</source>
        <translation>Les auteurs de Yearnbox</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Would you like to associate the file extension &quot;.ybk&quot; with Yearnbox?</source>
        <translation>Voulez-vous associer l’extension de fichier «&#xa0;.ybk&#xa0;» à Yearnbox&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Ask me at Startup about this.</source>
        <translation>Demander au démarrage.</translation>
    </message>
</context>
<context>
    <name>TGiftPage</name>
    <message>
        <source>Marked</source>
        <translation>Marqué</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the page&apos;s language, an HTML lang code</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>TItemHistory</name>
    <message>
        <source> (the item was removed elsewhere)</source>
        <translation> (le souhait a été supprimé ailleurs)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>TLatticeGrid</name>
    <message>
        <source>%1 of 1 star</source>
        <translation>%1 sur 1 étoile</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n stars</source>
        <translation>
            <numerusform>%1 sur %n étoile</numerusform>
            <numerusform>%1 sur %n étoiles</numerusform>
        </translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non coché</translation>
    </message>
    <message>
        <source>Not %1</source>
        <translation>Non %1</translation>
    </message>
</context>
<context>
    <name>TPriceTotals</name>
    <message>
        <source>1 price</source>
        <translation>1 prix</translation>
    </message>
    <message numerus="yes">
        <source>%n prices</source>
        <translation>
            <numerusform>%n prix</numerusform>
            <numerusform>%n prix</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Total of %1: %2</source>
        <translation>Total de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> · marked: %1</source>
        <translation> · marqués&#xa0;: %1</translation>
    </message>
    <message>
        <source> · %1 not read</source>
        <translation> · non lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>; %1 not read</source>
        <translation>; non lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Tous les souhaits</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marqués</translation>
    </message>
    <message>
        <source>Not marked</source>
        <translation>Non marqués</translation>
    </message>
    <message>
        <source>Priority %1</source>
        <translation>Priorité %1</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Non lus</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Sans symbole</translation>
    </message>
</context>
<context>
    <name>TPrintDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>%1 item</source>
        <translation>%1 souhait</translation>
    </message>
    <message numerus="yes">
        <source>%1 items</source>
        <translation>
            <numerusform>%1 souhait</numerusform>
            <numerusform>%1 souhaits</numerusform>
        </translation>
    </message>
    <message>
        <source>at least %1 page</source>
        <translation>au moins %1 page</translation>
    </message>
    <message numerus="yes">
        <source>at least %1 pages</source>
        <translation>
            <numerusform>au moins %1 page</numerusform>
            <numerusform>au moins %1 pages</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2.</source>
        <translation>%1 sur %2.</translation>
    </message>
    <message>
        <source>
That is a great deal of paper and takes a while.</source>
        <translation>
Cela fait beaucoup de papier et prend du temps.</translation>
    </message>
    <message>
        <source>Marked items only</source>
        <translation>Souhaits marqués seulement</translation>
    </message>
</context>
<context>
    <name>TProfiles</name>
    <message>
        <source>Save Yearnbox Profile</source>
        <translation>Enregistrer le profil Yearnbox</translation>
    </message>
    <message>
        <source>Yearnbox Profile (*.ybk)</source>
        <translation>Profil Yearnbox (*.ybk)</translation>
    </message>
    <message>
        <source>Load Yearnbox Profile</source>
        <translation>Ouvrir un profil Yearnbox</translation>
    </message>
    <message>
        <source>Profile could not be loaded.</source>
        <translation>Le profil n’a pas pu être chargé.</translation>
    </message>
    <message>
        <source>%1 has been deleted. A new Yearnbox was loaded!</source>
        <translation>%1 a été supprimé. Une nouvelle Yearnbox a été chargée&#xa0;!</translation>
    </message>
    <message>
        <source>The current profile could not be deleted, sorry.</source>
        <translation>Désolé, le profil actuel n’a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>TRestoreDialog</name>
    <message>
        <source>Restore an Earlier Version</source>
        <translation>Restaurer une version antérieure</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Souhaits</translation>
    </message>
    <message>
        <source>First differences</source>
        <translation>Premières différences</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The version saved %1 cannot be read: %2</source>
        <translation>La version enregistrée le %1 est illisible&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TSummaryDialog</name>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
</context>
</TS>
