#include "model/ProgramFile.h"

#include "model/CodeTable.h"
#include "model/ElementDescription.h"
#include "model/NumberText.h"
#include "model/ProgramStore.h"
#include "model/Text.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvel {

namespace {

static_assert(kProgramFileMaxBytes == std::uintmax_t(kRecordBytes) * (kMainSlots + kSubroutines * kSubSlots),
    "the read bound is the file of full sequences");

constexpr int kNameBytes = 10;
constexpr int kNameOffset = 8;
constexpr int kTextOffset = 28;

void putInt16(std::uint8_t* at, std::int16_t v)
{
    at[0] = std::uint8_t(std::uint16_t(v) & 0xFF);
    at[1] = std::uint8_t(std::uint16_t(v) >> 8);
}

std::int16_t getInt16(const std::uint8_t* at)
{
    return std::int16_t(std::uint16_t(at[0] | (at[1] << 8)));
}

void encodeRecord(const InstructionRecord& r, std::uint8_t* out)
{
    std::memset(out, 0, kRecordBytes);
    out[0] = r.family;
    out[1] = r.subtype;
    out[2] = r.option;
    putInt16(out + 3, r.arg1);
    putInt16(out + 5, r.arg2);
    out[7] = r.arg3;
    std::memset(out + kNameOffset, ' ', kNameBytes);
    std::memcpy(out + kNameOffset, r.name.data(), std::min<std::size_t>(r.name.size(), kNameBytes));
    std::copy(r.text.begin(), r.text.end(), out + kTextOffset);
}

InstructionRecord decodeRecord(const std::uint8_t* in)
{
    InstructionRecord r;
    r.family = in[0];
    r.subtype = in[1];
    r.option = in[2];
    r.arg1 = getInt16(in + 3);
    r.arg2 = getInt16(in + 5);
    r.arg3 = in[7];
    r.name = trimBlanks(std::string_view(reinterpret_cast<const char*>(in + kNameOffset), kNameBytes));
    std::copy_n(in + kTextOffset, kTextBytes, r.text.begin());
    return r;
}

long long maskedNumber(std::string_view piece, long long mask)
{
    const double v = std::clamp(leadingNumber(piece), -9.0e15, 9.0e15);
    return roundHalfEven(v) & mask;
}

} // namespace

std::string buildProgramHeader(const ProgramSettings& s)
{
    std::string h = s.rightMotorName + "%" + s.leftMotorName + "%" + signedNumber(s.lightThreshold) + "%" +
                    plainNumber(s.senseTimeout) + "%" + plainNumber(s.countTimeout) + "%" +
                    plainNumber(s.directionMode) + "%" + plainNumber(s.motorTime) + "%" + plainNumber(s.motorSpin) +
                    "%" + plainNumber(s.appId) + "%";
    return h.substr(0, kTextBytes);
}

ProgramSettings parseProgramHeader(std::string_view text)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (pieces.size() < 9) {
        const auto end = text.find('%', start);
        std::string_view piece = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        const auto first = piece.find_first_not_of(' ');
        pieces.emplace_back(first == std::string_view::npos ? std::string_view() : piece.substr(first));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    pieces.resize(9);
    ProgramSettings s;
    s.rightMotorName = pieces[0];
    s.leftMotorName = pieces[1];
    s.lightThreshold = std::uint8_t(maskedNumber(pieces[2], 0xFF));
    s.senseTimeout = std::int16_t(maskedNumber(pieces[3], 0x7FFF));
    s.countTimeout = std::int16_t(maskedNumber(pieces[4], 0x7FFF));
    s.directionMode = std::uint8_t(maskedNumber(pieces[5], 0xFF));
    s.motorTime = std::int16_t(maskedNumber(pieces[6], 0x7FFF));
    s.motorSpin = std::int16_t(maskedNumber(pieces[7], 0x7FFF));
    s.appId = std::uint8_t(maskedNumber(pieces[8], 0x1F));
    return s;
}

std::vector<std::uint8_t> serializeProgram(ProgramStore& store)
{
    setText(store.recordAt(0, 0).text, buildProgramHeader(store.programSettings));

    std::vector<std::uint8_t> bytes;
    int recordNumber = 0; // records written or skipped so far
    auto writeSequence = [&](int sequence, int limit) {
        int n = 0;
        while (n < limit && !store.recordAt(sequence, n).empty())
            ++n;
        if (n > 0)
            bytes.resize(std::size_t(recordNumber + n) * kRecordBytes, 0);
        for (int i = 0; i < n; ++i)
            encodeRecord(store.recordAt(sequence, i), bytes.data() + std::size_t(recordNumber + i) * kRecordBytes);
        recordNumber += std::max(n, sequence == 0 ? 0 : 1); // an empty subroutine leaves one gap
    };
    writeSequence(0, kFileMainRecords);
    for (int s = 1; s <= kSubroutines; ++s)
        writeSequence(s, kFileSubRecords);
    return bytes;
}

namespace {

// The families a record of a program file can carry: an empty slot, any element code (9..26, the
// range the library's tables are indexed by, so a newer library's elements open too) and the separator.
bool elementFamily(int f)
{
    return f == 0 || codeInTable(f) || f == family::Separator;
}

} // namespace

Text notAProgram(std::span<const std::uint8_t> bytes)
{
    const std::size_t records = bytes.size() / kRecordBytes;
    if (records == 0)
        return QT_TRANSLATE_NOOP("core", "El archivo no es un programa de Tarvel Lab: no tiene ningun elemento.");
    const InstructionRecord first = decodeRecord(bytes.data());
    if (!first.is(family::Structure, structure::ProgramStart))
        return QT_TRANSLATE_NOOP("core", "El archivo no es un programa de Tarvel Lab: no empieza con el Inicio del Programa.");
    for (std::size_t n = 1; n < records; ++n)
        if (const int f = bytes[n * kRecordBytes]; !elementFamily(f))
            return Text(QT_TRANSLATE_NOOP("core", "El archivo no es un programa de Tarvel Lab: el registro %1 no es un elemento (familia %2)."))
                .arg(plainNumber(long(n + 1)))
                .arg(plainNumber(f));
    return {};
}

FileOutcome loadProgram(ProgramStore& store, std::span<const std::uint8_t> bytes)
{
    FileOutcome outcome;
    // Whatever is not a program is refused before the program in memory is touched.
    if (Text refusal = notAProgram(bytes); !refusal.empty()) {
        outcome.ok = false;
        outcome.error = std::move(refusal);
        return outcome;
    }
    store.resetStore();
    const std::size_t records = bytes.size() / kRecordBytes;
    if (bytes.size() % kRecordBytes != 0)
        outcome.notes.push_back(Text(QT_TRANSLATE_NOOP("core", "El archivo termina con un registro incompleto de %1 bytes, que no se leyo."))
                                    .arg(plainNumber(long(bytes.size() % kRecordBytes))));

    int sequence = 0;
    int received = 0;
    // The file's own start and label records fill each label table from its entry 0.
    store.labelCount[0] = 0;
    bool settingsTaken = false;
    for (std::size_t n = 0; n < records; ++n) {
        InstructionRecord r = decodeRecord(bytes.data() + n * kRecordBytes);
        store.currentElement = r;
        if (r.empty())
            continue;
        if (r.is(family::Structure, structure::ProgramStart) || r.is(family::Structure, structure::Label)) {
            if (!store.addLabel(sequence, r.name) && outcome.notes.empty())
                outcome.notes.push_back(QT_TRANSLATE_NOOP("core", "Demasiadas etiquetas en una secuencia; las sobrantes no se registraron."));
        }
        if (r.is(family::Structure, structure::SubroutineStart)) {
            if (store.subroutineCount >= kSubroutines) {
                outcome.notes.push_back(Text(QT_TRANSLATE_NOOP("core", "El archivo tiene mas de %1 subrutinas; se leyo hasta la octava."))
                                            .arg(kSubroutines));
                break;
            }
            sequence = ++store.subroutineCount;
            store.activeSequence = sequence;
            store.subroutineNames[std::size_t(sequence)] = r.name;
            store.labelTable[std::size_t(sequence)][0] = r.name;
            store.labelCount[std::size_t(sequence)] = 1;
            received = 0;
        }
        ++received;
        const bool last = received > (sequence == 0 ? kFileMainRecords : kFileSubRecords);
        describeElement(store.currentElement, store);
        store.appendCurrent();
        if (!settingsTaken) {
            store.programSettings = parseProgramHeader(textAsString(store.recordAt(0, 0).text));
            settingsTaken = true;
        }
        if (last) {
            outcome.notes.push_back(QT_TRANSLATE_NOOP("core", "Una secuencia del archivo excede su limite; el resto del archivo no se leyo."));
            break;
        }
    }
    if (store.labelCount[0] == 0)
        store.labelCount[0] = 1; // no start record: keep the reset's "Inicio"
    if (!settingsTaken)
        store.programSettings = parseProgramHeader(textAsString(store.recordAt(0, 0).text));
    store.activeSequence = 0;
    return outcome;
}

FileOutcome saveProgramFile(ProgramStore& store, const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = serializeProgram(store);
    const Text error =
        writeFileReplacing(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!error.empty())
        return {false, error, {}};
    return {};
}

FileOutcome openProgramFile(ProgramStore& store, const std::filesystem::path& path)
{
    std::string bytes;
    if (const std::string reason = readRegularFile(path, bytes, kProgramFileMaxBytes); !reason.empty())
        return { false,
                 Text::lines({ Text(QT_TRANSLATE_NOOP("core", "No se Pudo Abrir el Archivo %1")).arg(pathText(path)),
                               Text::sentence(reason) }),
                 {} };
    return loadProgram(store, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::string withGtfExtension(std::string name)
{
    const auto upper = upperCase(name);
    if (upper.size() < 4 || upper.compare(upper.size() - 4, 4, ".GTF") != 0)
        name += ".gtf";
    return name;
}

} // namespace tarvel
