#include "core/bookmarks/ChromiumJson.h"

#include <new>

bool ReadWholeFile(IByteStream &file, std::string &bytes)
{
    bytes.clear();
    char buffer[64 * 1024];
    for (;;) {
        const long n = file.Read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (bytes.size() + static_cast<size_t>(n) > JSON_FILE_MAX)
            return false;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

nlohmann::json ParseJson(const std::string &text, const char *const *keys)
{
    using nlohmann::json;
    const json::parser_callback_t keep = [keys](int depth, json::parse_event_t event, json &parsed) {
        if (event == json::parse_event_t::object_start || event == json::parse_event_t::array_start)
            return depth <= JSON_DEPTH_MAX;
        if (event != json::parse_event_t::key || !keys || !parsed.is_string())
            return true;
        const std::string &key = parsed.get_ref<const std::string &>();
        for (const char *const *k = keys; *k; ++k)
            if (key == *k)
                return true;
        return false;
    };
    // Running out of memory is the one exception left; it ends here too.
    try {
        return json::parse(text.begin(), text.end(), keep, false);
    } catch (const std::bad_alloc &) {
        return json(json::value_t::discarded);
    }
}

const nlohmann::json *Member(const nlohmann::json &obj, const char *name)
{
    if (!obj.is_object())
        return nullptr;
    const auto it = obj.find(name);
    return it == obj.end() ? nullptr : &*it;
}

std::string StringMember(const nlohmann::json &obj, const char *name)
{
    const nlohmann::json *value = Member(obj, name);
    return value && value->is_string() ? value->get_ref<const std::string &>() : std::string();
}
