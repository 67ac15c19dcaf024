// Every text the engine shows, exactly: the notices above the table, the message boxes and the
// meaning question.
#pragma once

namespace ragozo::texts {

inline constexpr const char* kEntryPrompt = "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ";
inline constexpr const char* kNoSuchVerb = "Nincs ilyen ige.";
inline constexpr const char* kNotObjective = "Ezt az igét nem szoktuk tárgyas ragozásban használni.";
inline constexpr const char* kNotImperative = "Ezt az igét nem szoktuk felszólító módban használni.";
inline constexpr const char* kPotentialVerb = "Ható igéből csak folyamatos melléknévi igenevet képzünk.";

inline constexpr const char* kNotInLexicon = "Ilyen ige nem szerepel az adatbázisban.";
inline constexpr const char* kGuessedMessage =
    "Ilyen ige nem szerepel az adatbázisban, de ha létezik, ragozása a következő:";
inline constexpr const char* kGuessedNotice = "A forma alapján feltételezett igealakok:";
inline constexpr const char* kPrefixedNotice = "Feltételezett igekötős változat:";
inline constexpr const char* kPrefixedMessageStart = "A(z) '";
inline constexpr const char* kPrefixedMessageEnd =
    "' ige ezzel az igekötővel nem szerepel az adatbázisban. De ha létezik, ragozása a következő.";
inline constexpr const char* kDeleteIkMessage = "Törölje az 'ik' végződést!";

inline constexpr const char* kMeaningQuestionTitle = "Jelentésválasztás";
inline constexpr const char* kMeaningQuestionPrompt = "A megfelelő gombra kattintva válassza ki az ige jelentését!";
inline constexpr const char* kTevedMeanings =
    "'téved'  = 'nincs igaza' --> Igen\r\n'téved' = 'kerül (valahova) --> Nem";
inline constexpr const char* kRagadMeanings = "'ragad'  = 'tapad' --> Igen\r\n'ragad' = 'fog (valamit) --> Nem";

}  // namespace ragozo::texts
