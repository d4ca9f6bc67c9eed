#!/usr/bin/python3
"""Builds resources/data/TOEFL.dat, the sample word library shipped with Lexado.

Reads resources/data/toefl-words.txt (UTF-8, one "word#meaning" a line), asks espeak-ng for
the pronunciation of every word and writes one "word#meaning#phonetic" line per entry, in the
same order, as UTF-8 without a BOM and with CR LF line ends like every library file.

The transcriptions use espeak-ng's Received Pronunciation voice ("en-gb-x-rp"): the
learners' dictionaries Chinese students grow up with print British IPA, and of espeak's
British voices this is the one that keeps the vowels of "cat" /æ/ and "task" /ɑː/ apart as
those dictionaries do. For the few words in GENERAL_BRITISH the RP voice overdoes the long
/ɑː/ or mishears a stressed "ex-", and the general British voice ("en-gb") is asked instead.
espeak's raw output is then brought into the form the dictionaries use:

  * tie bars, zero-width joiners, pause marks and language-switch markers such as "(fr)"
    are dropped;
  * "ɐ" becomes "ə", "ɛ" becomes "e", "ɹ" becomes "r", and the general British voice's
    "a" becomes "æ" ("aɪ" and "aʊ" stay);
  * a stressed "iə" (the vowel of "year") is written "ɪə", while an unstressed "ɪə" and an
    unstressed "ɪ" before a vowel or at the end of a word (the vowels of "cereal", "happy")
    are written "iə" and "i";
  * espeak writes a stress mark just before the stressed vowel ("ɐbˈændən"); dictionaries put
    it at the start of the syllable ("əˈbændən"), so each mark is moved back over the
    consonants that can begin an English syllable;
  * like the dictionaries, only stresses up to the main one are marked: a word with two
    main stresses keeps the last, and secondary stresses after it ("ˈædvəkˌeɪt") go.
  * the "n" of "in-", "en-" and "con-" before a stressed "k" or "ɡ" stays "n", where espeak
    writes "ŋ" (ɪnˈkluːd, not ɪŋˈkluːd).

Stress marks ˈ ˌ and the length mark ː are kept otherwise. The output depends only on the
word list and on the installed espeak-ng, so reruns give the same bytes.

Usage: scripts/make-sample-library.py [SOURCE.txt [OUTPUT.dat]]
Needs espeak-ng (Debian package espeak-ng).
"""

import argparse
import re
import shutil
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
DEFAULT_SOURCE = REPO / "resources" / "data" / "toefl-words.txt"
DEFAULT_OUTPUT = REPO / "resources" / "data" / "TOEFL.dat"

ESPEAK = "espeak-ng"
VOICE = "en-gb-x-rp"
FALLBACK_VOICE = "en-gb"
# Words the RP voice gets wrong (passive as /ˈpɑːsɪv/, export as /ˈɪkspɔːt/) and the
# general British voice gets right.
GENERAL_BRITISH = {
    "asteroid", "empire", "exploit", "export", "gigantic", "mantle", "passive", "sanction",
}

# Characters espeak may put between the letters of one sound, or as invisible separators.
INVISIBLE = dict.fromkeys(map(ord, "\u0361\u035c\u200b\u200c\u200d\u2060\ufeff"))
# espeak announces a switch to another language's rules as "(fr)" ... "(en)".
LANGUAGE_SWITCH = re.compile(r"\([a-z]{2,3}(?:-[a-z0-9]+)*\)")

PRIMARY, SECONDARY, LONG = "ˈ", "ˌ", "ː"
STRESS_MARKS = PRIMARY + SECONDARY
VOWEL_LETTERS = set("aeiouyæɑɒɔəɚɛɜɝɞɪʊʌɐɘɵøœɤɯᵻᵿ")
# Consonants written with two letters.
AFFRICATES = ("tʃ", "dʒ")

# Consonant sequences that can open an English syllable (after the clean-up above).
_SINGLE = set("pbtdkɡfvθðszʃʒhmnlrwj") | set(AFFRICATES)
_CLUSTERS = """
    pr br tr dr kr ɡr fr θr ʃr
    pl bl kl ɡl fl sl
    tw dw kw ɡw sw θw
    pj bj tj dj kj ɡj fj vj θj mj nj lj sj zj hj
    sp st sk sm sn sf
    spr str skr spl skl skw skj spj stj
"""
ONSETS = {(c,) for c in _SINGLE}
for cluster in _CLUSTERS.split():
    ONSETS.add(tuple(cluster))
# Inside a word these usually straddle a prefix, and dictionaries split them:
# dis|miss, mis|lead, trans|form, legis|lation.
WORD_INITIAL_ONLY = {tuple(cluster) for cluster in "sm sn sl sf".split()}


def read_source(path):
    """The (word, meaning) pairs of the word list, in file order."""
    entries = []
    text = path.read_text(encoding="utf-8-sig")
    for number, line in enumerate(text.splitlines(), start=1):
        line = line.strip()
        if not line:
            continue
        fields = line.split("#")
        if len(fields) != 2 or not fields[0].strip() or not fields[1].strip():
            sys.exit(f"{path}:{number}: expected word#meaning, got {line!r}")
        entries.append((fields[0].strip(), fields[1].strip()))
    return entries


def espeak(words, voice):
    """espeak's IPA for each word, one string per word, in the same order."""
    if not words:
        return []
    command = [ESPEAK, "-q", "--ipa", "-v", voice]
    # One word a line on stdin: espeak ends a clause at each line break and prints each
    # clause on a line of its own, so the output lines up with the input.
    result = subprocess.run(command, input="\n".join(words) + "\n", capture_output=True,
                            encoding="utf-8", check=True)
    lines = [line for line in result.stdout.splitlines() if line.strip()]
    if len(lines) == len(words):
        return lines
    # Should espeak ever join or split lines, fall back to one call per word.
    print(f"warning: espeak gave {len(lines)} lines for {len(words)} words; "
          "asking word by word", file=sys.stderr)
    return [subprocess.run(command + [word], capture_output=True, encoding="utf-8",
                           check=True).stdout for word in words]


def transcribe(words):
    """espeak's IPA for each word: the RP voice, or the general British one for some words."""
    result = dict(zip(words, espeak(words, VOICE)))
    fallback = [word for word in words if word in GENERAL_BRITISH]
    result.update(zip(fallback, espeak(fallback, FALLBACK_VOICE)))
    return [result[word] for word in words]


def tokens(ipa):
    """Splits a transcription into sounds, stress marks and spaces."""
    result, i = [], 0
    while i < len(ipa):
        if ipa.startswith(AFFRICATES, i):
            result.append(ipa[i:i + 2])
            i += 2
        elif ipa[i] == LONG and result:
            result[-1] += LONG
            i += 1
        else:
            result.append(ipa[i])
            i += 1
    return result


def is_vowel(token):
    return token[0] in VOWEL_LETTERS


def is_consonant(token):
    return not is_vowel(token) and token not in STRESS_MARKS and not token.isspace()


def stress_at_syllable_start(ipa):
    """Moves each stress mark from before its vowel to before the syllable's onset."""
    parts = tokens(ipa)
    i = 0
    while i < len(parts):
        if parts[i] in STRESS_MARKS and i + 1 < len(parts) and is_vowel(parts[i + 1]):
            start = i
            while start > 0 and is_consonant(parts[start - 1]):
                start -= 1
            consonants = parts[start:i]
            word_start = start == 0 or parts[start - 1].isspace()
            onset = 0
            for length in range(len(consonants), 0, -1):
                cluster = tuple(consonants[-length:])
                if cluster in ONSETS and (word_start or cluster not in WORD_INITIAL_ONLY):
                    onset = length
                    break
            if onset:
                mark = parts.pop(i)
                parts.insert(i - onset, mark)
        i += 1
    return "".join(parts)


def main_stress_last(ipa):
    """Keeps one main stress per word and drops the secondary stresses that follow it."""
    words = []
    for word in ipa.split(" "):
        primaries = word.count(PRIMARY)
        if primaries > 1:
            word = word.replace(PRIMARY, SECONDARY, primaries - 1)
        if PRIMARY in word:
            head, _, tail = word.partition(PRIMARY)
            word = head + PRIMARY + tail.replace(SECONDARY, "")
        words.append(word)
    return " ".join(words)


NEAR = "\ue000"  # stands for the vowel of "year" while the other "iə"s are rewritten


def clean(raw):
    ipa = raw.translate(INVISIBLE)
    ipa = LANGUAGE_SWITCH.sub("", ipa)
    ipa = ipa.replace("_", " ")  # espeak's pause marks, in case a phrase produces any
    ipa = " ".join(ipa.split())
    ipa = re.sub(r"a(?![ɪʊ])", "æ", ipa)  # the general British voice's trap vowel
    ipa = ipa.replace("ɛ", "e").replace("ɐ", "ə").replace("ɹ", "r")
    # espeak marks stress right before the vowel, so a stressed "iə" is the vowel of "year".
    ipa = re.sub(f"([{STRESS_MARKS}])iə", "\\1" + NEAR, ipa)
    ipa = re.sub(r"(?<![aeiouæɑɒɔəɛɜɪʊʌ])ɪə", "iə", ipa)  # not the end of "aɪə", "ɔɪə"
    # The weak "ɪ" of "happy" and "radiation", which does not follow another vowel.
    ipa = re.sub(r"(?<![aeiouæɑɒɔəɛɜɪʊʌː])ɪ(?=[ˈˌ]?[aeiouæɑɒɔəɜɪʊʌ]|$| )", "i", ipa)
    ipa = ipa.replace(NEAR, "ɪə")
    ipa = main_stress_last(ipa)
    ipa = stress_at_syllable_start(ipa)
    # espeak lets the "n" of "in-", "en-" and "con-" take on the "ŋ" of a following stressed
    # "k" or "ɡ"; dictionaries keep the "n" (ɪnˈkluːd, kənˈkluːd).
    return re.sub(r"(^| )(ɪ|e|kə)ŋ(?=[ˈˌ][kɡ])", r"\1\2n", ipa)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", nargs="?", type=Path, default=DEFAULT_SOURCE,
                        help=f"word list (default: {DEFAULT_SOURCE.relative_to(REPO)})")
    parser.add_argument("output", nargs="?", type=Path, default=DEFAULT_OUTPUT,
                        help=f"library file (default: {DEFAULT_OUTPUT.relative_to(REPO)})")
    args = parser.parse_args()
    if shutil.which(ESPEAK) is None:
        sys.exit("espeak-ng not found: install the Debian package espeak-ng")

    entries = read_source(args.source)
    phonetics = [clean(raw) for raw in transcribe([word for word, _ in entries])]
    for (word, _), ipa in zip(entries, phonetics):
        if not ipa:
            sys.exit(f"espeak gave no pronunciation for {word!r}")

    text = "".join(f"{word}#{meaning}#{ipa}\r\n"
                   for (word, meaning), ipa in zip(entries, phonetics))
    args.output.parent.mkdir(parents=True, exist_ok=True)
    args.output.write_bytes(text.encode("utf-8"))
    print(f"{args.output}: {len(entries)} words")


if __name__ == "__main__":
    main()
