#pragma once

#include <QString>

// Rewrites espeak-ng's IPA in the conventions of the learners' dictionaries that the sample
// library follows:
//
// - tie bars, zero-width joiners, pause marks and language-switch markers such as "(fr)" go;
// - "ɐ" is written "ə", "ɛ" "e", "ɹ" "r", and the general British voice's "a" "æ" ("aɪ"
//   and "aʊ" stay);
// - a stressed "iə" (the vowel of "year") is written "ɪə", an unstressed "ɪə" and an
//   unstressed "ɪ" before a vowel or at the end of a word (the vowels of "cereal", "happy")
//   "iə" and "i";
// - a stress mark moves from just before its vowel ("ɐbˈændən") to the start of the syllable
//   ("əˈbændən"), back over the consonants that can begin an English syllable;
// - only stresses up to the main one are marked: of two main stresses the last is kept, and
//   secondary stresses after it go ("ˈædvəkˌeɪt" becomes "ˈædvəkeɪt"); a transcription with
//   secondary stresses only has its last one made the main stress;
// - the "n" of "in-", "en-" and "con-" before a stressed "k" or "ɡ" stays "n" where the engine
//   writes "ŋ" ("ɪnˈkluːd").
//
// Stress marks and the length mark are kept otherwise. Needs no speech engine.
QString DictionaryIpa(const QString& espeakIpa);
