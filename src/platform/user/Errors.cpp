#include "platform/user/Errors.h"

#include "platform/user/SystemMessages.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>

namespace user {

namespace {

thread_local uint32_t t_last_error = ERROR_SUCCESS;
thread_local std::unordered_set<void*> t_allocations;

// The system table holds English texts, so any English language and the neutral and default
// identifiers find them.
bool language_known(uint32_t languageId) {
    const uint32_t primary = languageId & 0x3FF;
    return primary == LANG_NEUTRAL || primary == LANG_ENGLISH;
}

struct Inserts {
    uint32_t flags;
    const intptr_t* arguments;
};

// Expands the escapes and inserts of a message; false when an insert has no argument to use.
bool expand(std::string_view text, const Inserts& inserts, std::string& out) {
    const bool ignore = inserts.flags & FORMAT_MESSAGE_IGNORE_INSERTS;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%' || ignore || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const char next = text[++i];
        if (next == '0') return true; // ends the message, without a final line break
        if (next == 'n') {
            out += "\r\n";
        } else if (next == 'r') {
            out += '\r';
        } else if (next == 't') {
            out += '\t';
        } else if (std::isdigit(static_cast<unsigned char>(next))) {
            int number = next - '0';
            if (i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])))
                number = number * 10 + (text[++i] - '0');
            char kind = 's';
            if (i + 3 < text.size() && text[i + 1] == '!' && text[i + 3] == '!') {
                kind = text[i + 2];
                i += 3;
            }
            if (!(inserts.flags & FORMAT_MESSAGE_ARGUMENT_ARRAY) || !inserts.arguments) return false;
            const intptr_t argument = inserts.arguments[number - 1];
            if (kind == 'd')
                out += std::to_string(argument);
            else if (const char* s = reinterpret_cast<const char*>(argument))
                out += s;
            else
                out += "(null)";
        } else {
            out += next; // %%, %. and %! stand for the character itself
        }
    }
    return true;
}

uint32_t fail(uint32_t code) {
    t_last_error = code;
    return 0;
}

} // namespace

void SetLastError(uint32_t code) {
    t_last_error = code;
}
uint32_t GetLastError() {
    return t_last_error;
}

uint32_t FormatMessageA(uint32_t flags, const void* source, uint32_t messageId, uint32_t languageId,
                        char* buffer, uint32_t size, const intptr_t* arguments) {
    std::string_view text;
    if (flags & FORMAT_MESSAGE_FROM_STRING) {
        if (!source) return fail(ERROR_INVALID_PARAMETER);
        text = static_cast<const char*>(source);
    } else if (flags & FORMAT_MESSAGE_FROM_SYSTEM) {
        if (!language_known(languageId)) return fail(ERROR_RESOURCE_LANG_NOT_FOUND);
        const char* found = detail::system_message(messageId);
        if (!found) return fail(ERROR_MR_MID_NOT_FOUND);
        text = found;
    } else {
        return fail(ERROR_INVALID_PARAMETER);
    }
    std::string message;
    if (!expand(text, Inserts{flags, arguments}, message)) return fail(ERROR_INVALID_PARAMETER);
    if (!buffer) return fail(ERROR_INVALID_PARAMETER);

    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        // `buffer` is really where the pointer to the allocated text goes, as on the platform.
        char* copy = static_cast<char*>(std::malloc(message.size() + 1));
        if (!copy) return fail(ERROR_NOT_ENOUGH_MEMORY);
        std::memcpy(copy, message.c_str(), message.size() + 1);
        t_allocations.insert(copy);
        std::memcpy(buffer, &copy, sizeof copy);
    } else {
        if (message.size() + 1 > size) return fail(ERROR_INSUFFICIENT_BUFFER);
        std::memcpy(buffer, message.c_str(), message.size() + 1);
    }
    return static_cast<uint32_t>(message.size());
}

void* LocalFree(void* memory) {
    if (!memory) return nullptr;
    if (t_allocations.erase(memory) == 0) {
        t_last_error = ERROR_INVALID_HANDLE;
        return memory;
    }
    std::free(memory);
    return nullptr;
}

} // namespace user
