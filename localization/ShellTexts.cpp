#include "localization/ShellTexts.h"

#include <QStringList>

namespace {

ShellTexts english()
{
    ShellTexts t;
    t.FichierMenu = QStringLiteral("File");
    t.MenuOpen = QStringLiteral("Open");
    t.FilePrtOptions = QStringLiteral("Printer options...");
    t.EditMenu = QStringLiteral("Edit");
    t.EditUndo = QStringLiteral("Undo");
    t.EditCut = QStringLiteral("Cut");
    t.EditCopy = QStringLiteral("Copy");
    t.EditPaste = QStringLiteral("Paste");
    t.EditEffacer = QStringLiteral("Clear");
    t.EditSelectAll = QStringLiteral("Select All");
    t.AideMenu = QStringLiteral("Help");
    t.AideHelp = QStringLiteral("Zumblo help...");
    t.AidePreferences = QStringLiteral("Preferences...");
    t.MenuTools = QStringLiteral("Tools");
    t.MenuShowHideTools = QStringLiteral("Show tools");
    t.STemailTo = QStringLiteral("Suggestions and comments, write to:");
    t.PrefsDlgTitle = QStringLiteral("Preferences");
    t.STLangageText = QStringLiteral("Langage choice");
    t.AutomaticLangage = QStringLiteral("Automatic");
    t.EnglishLangage = QStringLiteral("English");
    t.FrenchLangage = QStringLiteral("French");
    t.GermanLangage = QStringLiteral("German");
    t.StrOk = QStringLiteral("Ok");
    t.StrCancel = QStringLiteral("Cancel");
    t.AboutDlgTitle = QStringLiteral("About ");
    t.STVersionText = QStringLiteral("Version ");
    t.STLocalIPText = QStringLiteral("Local IP adress");
    t.STUpdateText = QStringLiteral("For updates, visit the site:");
    t.StrWelcome = QStringLiteral("Wellcome in");
    t.StrToStart = QStringLiteral("Click in the window to start...");
    t.StrVeryBadError = QStringLiteral("You are the victim of a near fatal mistake...");
    t.Warning = QStringLiteral("Warning");
    t.ReadFileError = QStringLiteral("Read error.");
    t.StrFileNotFound = QStringLiteral("File not found.");
    t.StrDestDoesNotExistError = QStringLiteral("Destination does not exist.");
    t.StrAccessDenied = QStringLiteral("Access denied.");
    t.StrNotEnoughMemory = QStringLiteral("Out of memory.");
    t.StrFileInUse = QStringLiteral("File in use.");
    t.StrInvalidName = QStringLiteral("Invalid name or file already exist.");
    t.StrIOError = QStringLiteral("Error Read/Write. file: ");
    t.UnKnownError = QStringLiteral("Unknown error I/O ");
    t.AboutStr = QStringList {
        QStringLiteral("     Zumblo is a game whose aim is to eliminate a hornet walking on the screen."),
        QStringLiteral("     Type F1 for access to the help file."),
        QStringLiteral("     Modification date: April 14, 2014"),
        QStringLiteral("           Creation date: September 10, 2013"),
    }.join(QLatin1Char('\n'));
    return t;
}

ShellTexts french()
{
    ShellTexts t;
    t.FichierMenu = QStringLiteral("&Fichier");
    t.MenuOpen = QStringLiteral("Ouvrir");
    t.FilePrtOptions = QStringLiteral("Mise en page...");
    t.EditMenu = QStringLiteral("Édition");
    t.EditUndo = QStringLiteral("Annuler");
    t.EditCut = QStringLiteral("Couper");
    t.EditCopy = QStringLiteral("Copier");
    t.EditPaste = QStringLiteral("Coller");
    t.EditEffacer = QStringLiteral("Effacer");
    t.EditSelectAll = QStringLiteral("Tout Sélectionner");
    t.AideMenu = QStringLiteral("Aide");
    t.AideHelp = QStringLiteral("Aide de Zumblo...");
    t.AidePreferences = QStringLiteral("Préférences...");
    t.MenuTools = QStringLiteral("Outils");
    t.MenuShowHideTools = QStringLiteral("Montrer les outils");
    t.STemailTo = QStringLiteral("Suggestions et remarques, écrivez à:");
    t.PrefsDlgTitle = QStringLiteral("Préférences");
    t.STLangageText = QStringLiteral("Choix du langage");
    t.AutomaticLangage = QStringLiteral("Automatique");
    t.EnglishLangage = QStringLiteral("Anglais");
    t.FrenchLangage = QStringLiteral("Français");
    t.GermanLangage = QStringLiteral("Allemand");
    t.StrOk = QStringLiteral("Ok");
    t.StrCancel = QStringLiteral("Annuler");
    t.AboutDlgTitle = QStringLiteral("À propos de ");
    t.STVersionText = QStringLiteral("Version ");
    t.STLocalIPText = QStringLiteral("Adresse IP locale");
    t.STUpdateText = QStringLiteral("Pour les mises à jour visiter le site:");
    t.StrWelcome = QStringLiteral("Bienvenue dans");
    t.StrToStart = QStringLiteral("Cliquez dans la fenêtre pour démarrer...");
    t.StrVeryBadError = QStringLiteral("Vous êtes victime d'une erreur presque fatale...");
    t.Warning = QStringLiteral("Attention");
    t.ReadFileError = QStringLiteral("Erreur de lecture.");
    t.StrFileNotFound = QStringLiteral("Fichier introuvable.");
    t.StrDestDoesNotExistError = QStringLiteral("La destination n'existe pas.");
    t.StrAccessDenied = QStringLiteral("Accès non autorisé.");
    t.StrNotEnoughMemory = QStringLiteral("Mémoire insuffisante.");
    t.StrFileInUse = QStringLiteral("Fichier en cours d'utilisation.");
    t.StrInvalidName = QStringLiteral("Nom incorrect ou le fichier existe déjà.");
    t.StrIOError = QStringLiteral("Erreur Lecture/Ecriture. Fichier: ");
    t.UnKnownError = QStringLiteral("Erreur inconnue E/S ");
    t.AboutStr = QStringList {
        QStringLiteral("     Zumblo est un petit jeu dont le but est d'éliminer un frelon qui se promène sur l'écran."),
        QStringLiteral("     Tapez F1 fpour accéder au fichier d'aide."),
        QStringLiteral("     Date de modification: 15 avril 2014"),
        QStringLiteral("            Date de création: 10 septembre 2013"),
    }.join(QLatin1Char('\n'));
    return t;
}

ShellTexts german()
{
    ShellTexts t;
    t.FichierMenu = QStringLiteral("Ablage");
    t.MenuOpen = QStringLiteral("Öffnen");
    t.FilePrtOptions = QStringLiteral("Papierformat ...");
    t.EditMenu = QStringLiteral("Bearbeiten");
    t.EditUndo = QStringLiteral("Widerrufen");
    t.EditCut = QStringLiteral("Ausschneiden");
    t.EditCopy = QStringLiteral("Kopieren");
    t.EditPaste = QStringLiteral("Einsetzen");
    t.EditEffacer = QStringLiteral("Löschen");
    t.EditSelectAll = QStringLiteral("Alles auswählen");
    t.AideMenu = QStringLiteral("Hilfe");
    t.AideHelp = QStringLiteral("Hilfe Zumblo...");
    t.AidePreferences = QStringLiteral("Einstellungen ...");
    t.MenuTools = QStringLiteral("Werkzeuge");
    t.MenuShowHideTools = QStringLiteral("Werkzeugepalette einblenden");
    t.STemailTo = QStringLiteral("Anregungen und Anmerkungen schreiben Sie bitte an:");
    t.PrefsDlgTitle = QStringLiteral("Einstellungen");
    t.STLangageText = QStringLiteral("Auswahl der Sprache");
    t.AutomaticLangage = QStringLiteral("Automatik");
    t.EnglishLangage = QStringLiteral("Englisch");
    t.FrenchLangage = QStringLiteral("Französisch");
    t.GermanLangage = QStringLiteral("Deutsch");
    t.StrOk = QStringLiteral("Ok");
    t.StrCancel = QStringLiteral("Abbrechen");
    t.AboutDlgTitle = QStringLiteral("Über ");
    t.STVersionText = QStringLiteral("Version");
    t.STLocalIPText = QStringLiteral("lokale IP-Adresse");
    t.STUpdateText = QStringLiteral("Für die Aktualisierung besuchen der Website:");
    t.StrWelcome = QStringLiteral("Willkommen");
    t.StrToStart = QStringLiteral("Klicken Sie im Fenster zu starten ...");
    t.StrVeryBadError = QStringLiteral("Sie sind das Opfer einer beinahe tödlichen Fehler...");
    t.Warning = QStringLiteral("Warnung");
    t.ReadFileError = QStringLiteral("Fehler beim Lesen.");
    t.StrFileNotFound = QStringLiteral("Datei nicht gefunden.");
    t.StrDestDoesNotExistError = QStringLiteral("Das Ziel ist nicht vorhanden.");
    t.StrAccessDenied = QStringLiteral("Zugriff verweigert.");
    t.StrNotEnoughMemory = QStringLiteral("Nicht genügend Speicher.");
    t.StrFileInUse = QStringLiteral("Datei wird verwendet.");
    t.StrInvalidName = QStringLiteral("Ungültiger Name oder die Datei bereits vorhanden.");
    t.StrIOError = QStringLiteral("Fehler Lesen/Schreiben. Datei: ");
    t.UnKnownError = QStringLiteral("Unbekannter Fehler I / O");
    t.AboutStr = QStringList {
        QStringLiteral("   Zumblo Zumblo ist ein Spiel, dessen Ziel ist es, eine Hornisse zu Fuß auf dem Bildschirm zu beseitigen."),
        QStringLiteral("   Geben Sie F1 für Zugriff in der Hilfe."),
        QStringLiteral(""),
        QStringLiteral("   Datum der Änderung: 15. April 2014"),
        QStringLiteral("         Erstellungsdatum: 10. September 2013"),
    }.join(QLatin1Char('\n'));
    return t;
}

} // namespace

const ShellTexts* ShellTextsFor(std::int32_t langage)
{
    static const ShellTexts texts[] = { english(), french(), german() };
    if (langage < 0 || langage > 2)
        return nullptr;
    return &texts[langage];
}
