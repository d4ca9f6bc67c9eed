// Any bytes as a word handed to the built-in synthesizer: what an English voice reads of them
// goes into the real engine, transcribed and synthesised. The text handed on must be valid
// UTF-8 of Basic Latin and the Latin letter blocks, trimmed, one space between words, and
// unchanged when filtered again.

#include "speech/EnglishVoiceText.h"
#include "speech/EspeakSession.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString word =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray read = TextForEnglishVoice(word);
    const QString text = QString::fromUtf8(read);
    Require(text.toUtf8() == read && TextForEnglishVoice(text) == read);
    Require(!read.contains("  ") && !read.startsWith(' ') && !read.endsWith(' '));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool latinLetter = ((u >= 0xC0 && u <= 0x24F) || (u >= 0x1E00 && u <= 0x1EFF));
        Require((u >= 0x20 && u <= 0x7E) || (latinLetter && c.isLetter()));
    }

    EspeakSession session;
    if (session.PrepareSynthesis() && session.SelectVoice("en-gb-x-rp")) {
        session.Transcribe(word);
        // Synthesis takes far longer: long texts are only transcribed.
        if (read.size() <= 200) {
            session.Synthesize(word, [](std::span<const short>) { return true; });
        }
    }
    return 0;
}
