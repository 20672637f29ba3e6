#include "state/state_files.h"

#include <array>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "state/decimal_text.h"
#include "state/file_io.h"
#include "state/slot_table.h"
#include "state/state_folder_lock.h"
#include "state/state_line.h"
#include "state/text_encoding.h"

namespace vekselgrad {
namespace {

struct StateFile {
    std::string_view name;
    int values;
};

// The file set in the order every action reads and writes it; slots follow one another.
constexpr std::array<StateFile, 9> stateFiles{{{"Data.txt", 20},
                                               {"Data1.txt", 20},
                                               {"Data2.txt", 20},
                                               {"Data3.txt", 20},
                                               {"Data4.txt", 20},
                                               {"Data5.txt", 20},
                                               {"Data6.txt", 19},
                                               {"Data7.txt", 21},
                                               {"Data8.txt", 21}}};

// A save writes each file beside its target first. When all nine are complete, the commit
// record marks the new set as the one to keep; then the targets are replaced and the record
// removed. A load finishes an interrupted replacement, or drops new files that were never
// committed, before it reads.
constexpr std::string_view newSuffix = ".new";
constexpr std::string_view commitRecord = "Data.commit";

std::filesystem::path newFileOf(const std::filesystem::path& folder, const StateFile& file) {
    return folder / (std::string(file.name) + std::string(newSuffix));
}

void settleInterruptedSave(const std::filesystem::path& folder) {
    const auto record = folder / commitRecord;
    const bool committed = file_io::exists(record);
    for (const auto& file : stateFiles) {
        const auto fresh = newFileOf(folder, file);
        if (!file_io::exists(fresh)) {
            continue;
        }
        if (committed) {
            file_io::replaceFile(fresh, folder / file.name);
        } else {
            file_io::removeIfPresent(fresh);
        }
    }
    file_io::removeIfPresent(record);
}

[[noreturn]] void damaged(const std::filesystem::path& file, int position,
                          std::string_view expected) {
    throw StateFileError(file, "Файл «" + file.string() + "» повреждён: значение " +
                                   std::to_string(position) + " должно быть " +
                                   std::string(expected) + ".");
}

std::string expectation(const SlotSpec& spec) {
    switch (spec.check) {
        case SlotCheck::fixedNumber:
            return "числом " + decimalTextWithLeadingZero(spec.fixedValue);
        case SlotCheck::level:
            return "уровнем игры 1, 2 или 3";
        case SlotCheck::newsFlag:
            return "флагом новости: 0, 1 или пустым значением";
        case SlotCheck::any:
            break;
    }
    return spec.kind == SlotKind::number ? "числом или пустым значением"
                                         : "текстом в кавычках или пустым значением";
}

bool passesCheck(const SlotSpec& spec, const LineValue& value) {
    const bool isNumber = value.kind == LineValue::Kind::number;
    const bool isEmpty = value.kind == LineValue::Kind::empty;
    switch (spec.check) {
        case SlotCheck::fixedNumber:
            return isNumber && value.number == spec.fixedValue;
        case SlotCheck::level:
            return isNumber && (value.number == 1 || value.number == 2 || value.number == 3);
        case SlotCheck::newsFlag:
            return isEmpty || (isNumber && (value.number == 0 || value.number == 1));
        case SlotCheck::any:
            break;
    }
    if (spec.kind == SlotKind::number) {
        return isNumber || isEmpty;
    }
    return isEmpty || (value.kind == LineValue::Kind::text && value.quoted);
}

void storeValue(const SlotSpec& spec, const LineValue& value, GameState& state) {
    if (spec.kind == SlotKind::number) {
        spec.number(state) = value.kind == LineValue::Kind::empty ? Num::emptyValue()
                                                                   : Num(value.number);
    } else if (spec.kind == SlotKind::fixedText) {
        spec.text(state) = fitToLength(value.text, fixedTextLength);
    } else {
        spec.text(state) = value.text;
    }
}

std::vector<LineValue> readValues(const std::filesystem::path& path, StateLineReader& reader,
                                  int count) {
    std::vector<LineValue> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto value = reader.next();
        if (!value) {
            throw StateFileError(path, "Файл «" + path.string() + "» повреждён: в нём " +
                                           std::to_string(i) + " значений вместо " +
                                           std::to_string(count) + ".");
        }
        values.push_back(std::move(*value));
    }
    return values;
}

// The two totals after Data8.txt's 21 values, when both stand there as numbers.
void readTotals(const std::filesystem::path& path, StateLineReader& reader, GameState& state) {
    const auto errors = reader.next();
    const auto rightDecisions = errors ? reader.next() : std::nullopt;
    if (!rightDecisions) {
        return;
    }
    for (const auto* value : {&*errors, &*rightDecisions}) {
        if (value->kind == LineValue::Kind::text) {
            damaged(path, value == &*errors ? 22 : 23, "числом или пустым значением");
        }
    }
    auto asNum = [](const LineValue& v) {
        return v.kind == LineValue::Kind::empty ? Num::emptyValue() : Num(v.number);
    };
    state.errorCount = asNum(*errors);
    state.rightDecisionCount = asNum(*rightDecisions);
}

std::string lineOf(const GameState& state, int firstSlot, int count) {
    // The slot accessors hand out references for loading; saving only reads through them.
    auto& readable = const_cast<GameState&>(state);
    StateLineWriter line;
    for (int slot = firstSlot; slot < firstSlot + count; ++slot) {
        const SlotSpec& spec = slotTable()[static_cast<std::size_t>(slot - 1)];
        if (spec.kind == SlotKind::number) {
            const Num value = spec.number(readable);
            value.empty() ? line.emptyValue() : line.number(value);
        } else if (spec.kind == SlotKind::fixedText) {
            line.text(fitToLength(spec.text(readable), fixedTextLength));
        } else {
            line.text(spec.text(readable));
        }
    }
    if (firstSlot + count > playSlotCount && state.errorCount && state.rightDecisionCount) {
        for (const Num total : {*state.errorCount, *state.rightDecisionCount}) {
            total.empty() ? line.emptyValue() : line.number(total);
        }
    }
    return line.finish();
}

}  // namespace

void loadState(const std::filesystem::path& folder, GameState& state, Data8Values data8) {
    const StateFolderLock lock(folder);
    settleInterruptedSave(folder);
    GameState loaded;
    int slot = 1;
    for (const auto& file : stateFiles) {
        const auto path = folder / file.name;
        const std::string bytes = file_io::readWholeFile(path);
        StateLineReader reader(bytes);
        const auto values = readValues(path, reader, file.values);
        for (int position = 1; position <= file.values; ++position, ++slot) {
            const SlotSpec& spec = slotTable()[static_cast<std::size_t>(slot - 1)];
            const LineValue& value = values[static_cast<std::size_t>(position - 1)];
            if (!passesCheck(spec, value)) {
                damaged(path, position, expectation(spec));
            }
            storeValue(spec, value, loaded);
        }
        if (slot > playSlotCount && data8 == Data8Values::totalsIfPresent) {
            readTotals(path, reader, loaded);
        }
    }
    state = std::move(loaded);
}

void saveState(const std::filesystem::path& folder, const GameState& state) {
    const StateFolderLock lock(folder);
    settleInterruptedSave(folder);
    // A target that cannot be replaced would stop the replacement halfway; found before
    // anything is written, it leaves the old set whole.
    for (const auto& file : stateFiles) {
        file_io::ensureReplaceable(folder / file.name);
    }
    std::array<std::string, stateFiles.size()> lines;
    int slot = 1;
    for (std::size_t i = 0; i < stateFiles.size(); ++i) {
        lines[i] = lineOf(state, slot, stateFiles[i].values);
        slot += stateFiles[i].values;
    }
    std::size_t written = 0;
    try {
        for (; written < stateFiles.size(); ++written) {
            const auto& file = stateFiles[written];
            file_io::writeWholeFile(newFileOf(folder, file), lines[written], folder / file.name);
        }
        file_io::writeWholeFile(folder / commitRecord, {}, folder / stateFiles[0].name);
    } catch (const StateFileError&) {
        for (std::size_t i = 0; i <= written && i < stateFiles.size(); ++i) {
            ::unlink(newFileOf(folder, stateFiles[i]).c_str());
        }
        ::unlink((folder / commitRecord).c_str());
        throw;
    }
    for (const auto& file : stateFiles) {
        file_io::replaceFile(newFileOf(folder, file), folder / file.name);
    }
    file_io::removeIfPresent(folder / commitRecord);
}

}  // namespace vekselgrad
