#include "game/TolunBug.h"

#include "game/GameTexts.h"
#include "game/WBilan.h"
#include "game/WHelp.h"
#include "localization/TolunBasic.h"
#include "platform/ModalShow.h"
#include "preferences/PrefsDlg.h"
#include "platform/Trunc.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace TolunBug {

void LangageBug()
{
    if (const GameTexts* texts = GameTextsFor(TolunBasic::Langage)) {
        WHelp& help = WHelp::instance();
        help.setWindowTitle(texts->helpTitle);
        help.PBHide().setText(texts->hideCaption);
        StrHelp = texts->help;
        StrNbrParties = texts->nbrParties;
        StrNbrAbattus = texts->nbrAbattus;
        WBilan::instance().setWindowTitle(texts->bilanTitle);
        StrNbrTirs = texts->nbrTirs;
        StrScore = texts->score;
        PrefsDlg::instance().LabelSpeed().setText(texts->labelSpeed);
    }
    WHelp::instance().TAHelp().setPlainText(StrHelp);
}

std::int32_t Score(std::int32_t parties, std::int32_t abattus, std::int32_t tirs)
{
    const std::int64_t squared = std::int64_t { abattus } * abattus;
    return platform::trunc(static_cast<double>(squared) / parties / tirs * 100);
}

void ShowResult()
{
    WBilan& bilan = WBilan::instance();
    bilan.LabelNombreDeParties().setText(StrNbrParties + QString::number(NombreDeParties));
    bilan.LabelNombreDeFrelonsAbattus().setText(StrNbrAbattus + QString::number(NombreDeFrelonsAbbatus));
    bilan.LabelNombreDeTirs().setText(StrNbrTirs + QString::number(NombreDeTirs));
    if (NombreDeTirs > 0)
        bilan.LabelScore().setText(StrScore + QString::number(Score(NombreDeParties, NombreDeFrelonsAbbatus, NombreDeTirs)));
    platform::ShowModal(bilan);
}

} // namespace TolunBug
