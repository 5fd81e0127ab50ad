#include "game/GameTexts.h"

#include <QStringList>

namespace {

// Nine lines; the last one has no line break after it.
QString helpText(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}

GameTexts english()
{
    return {
        QStringLiteral("Speed Hornet"),
        QStringLiteral("Help"),
        QStringLiteral("Close"),
        helpText({
            QStringLiteral("   Zumblo is a game whose aim is to eliminate a hornet walking on the screen."),
            QStringLiteral("- To start the game, tap the \"G\" key."),
            QStringLiteral("- To fire the gun to the right of the screen, tap the \"F\" key."),
            QStringLiteral("- When the shot reaches the target, the Hornet is destroyed."),
            QStringLiteral("- We start the game by pressing the \"G\" key."),
            QStringLiteral("- The keys <arrow up> and <arrow down> allow you to change the orientation of the gun."),
            QStringLiteral("- Press the \"H\" key to abort a game."),
            QStringLiteral("- Press the \"S\" key to see your score."),
            QStringLiteral("   In the preferences you can change the speed of the Hornet"),
        }),
        QStringLiteral("Number of Games: "),
        // The hornets line keeps its French prefix in every language.
        QStringLiteral("Nombre de frelons abattus: "),
        QStringLiteral("Score"),
        QStringLiteral("Number of shots: "),
        QStringLiteral("Your score: "),
    };
}

GameTexts french()
{
    return {
        QStringLiteral("Vitesse du frelon"),
        QStringLiteral("Aide"),
        QStringLiteral("Fermer"),
        helpText({
            QStringLiteral("   Zumblo est un petit jeu dont le but est d'éliminer un frelon qui se promène sur l'écran."),
            QStringLiteral("- Pour démarrer le jeu, tapez sur la touche \"G\"."),
            QStringLiteral("- Pour tirer avec le canon à droite de l'écran, tapez sur la touche \"F\"."),
            QStringLiteral("- Lorsque le canon atteind la cible, le frelon est détruit."),
            QStringLiteral("- On recommence le jeu en tapant sur la touche \"G\"."),
            QStringLiteral("- Les touches <flèche vers le haut> et <flèche vers le bas> permettent de changer l'orientation du canon."),
            QStringLiteral("- Pressez la touche \"H\" pour arrêter une partie."),
            QStringLiteral("- Pressez la touche \"S\" pour voir votre score."),
            QStringLiteral("   Dans les préférences vous pouvez changer la vitesse du frelon."),
        }),
        QStringLiteral("Nombre de Jeux: "),
        QStringLiteral("Nombre de frelons abattus: "),
        QStringLiteral("Score"),
        QStringLiteral("Nombre de tirs: "),
        QStringLiteral("Votre score: "),
    };
}

GameTexts german()
{
    return {
        QStringLiteral("Geschwindigkeit Hornet"),
        QStringLiteral("Hilfe"),
        QStringLiteral("Schliessen"),
        helpText({
            QStringLiteral("   Zumblo ist ein Spiel, dessen Ziel ist es, eine Hornisse zu Fuß auf dem Bildschirm zu beseitigen."),
            QStringLiteral("- Um das Spiel zu starten, tippen Sie auf das \"G\"-Taste."),
            QStringLiteral("- Um die Waffe auf der rechten Seite des Bildschirms zu schießen, tippen Sie auf die Taste \"F\"."),
            QStringLiteral("- Wenn der Schuss das Ziel erreicht, wird die Hornet zerstört."),
            QStringLiteral("- Wir beginnen das Spiel durch Drücken der \"G\"-Taste."),
            QStringLiteral("- Die Tasten <Pfeil up> und <Pfeil down> können Sie die Ausrichtung der Waffe zu ändern."),
            QStringLiteral("- Drücken Sie die \"H\" Taste zum Abbrechen eines Spiels."),
            QStringLiteral("- Drücken Sie die \"S\" drücken, um Ihre Score zu sehen."),
            QStringLiteral("   In den Einstellungen können Sie die Geschwindigkeit der Hornet ändern."),
        }),
        QStringLiteral("Anzahl der Spiele: "),
        QStringLiteral("Nombre de frelons abattus: "),
        QStringLiteral("Score"),
        QStringLiteral("Anzahl der Schüsse: "),
        QStringLiteral("Ihr Ergebnis:: "),
    };
}

} // namespace

const GameTexts* GameTextsFor(std::int32_t langage)
{
    static const GameTexts texts[] = { english(), french(), german() };
    if (langage < 0 || langage > 2)
        return nullptr;
    return &texts[langage];
}
