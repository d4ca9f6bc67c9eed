#pragma once

#include <QString>

// espeak-ng's British pronunciation of an English word or phrase, written as learners'
// dictionaries write IPA (DictionaryIpa). The Received Pronunciation voice is asked, or the
// general British one for the few words it gets wrong and where it is not installed. Only
// what an English voice reads is transcribed (TextForEnglishVoice: "苹果 apple" as "apple").
// Empty when the text holds no Latin letter (digits alone are no word to transcribe) or when
// the engine is not available.
QString IpaTranscription(const QString& word);
