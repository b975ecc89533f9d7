#include <windows.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <string>

#include "platform/optional_api.h"
#include "platform/owners_win32.h"
#include "settings/settings_file.h"

namespace {

static const GUID kIidXmlReader = {0x7279fc81, 0x709d, 0x4095, {0xb6, 0x3d, 0x69, 0xfe, 0x4b, 0x0d, 0x90, 0x30}};
static const GUID kIidXmlWriter = {0x7279fc88, 0x709d, 0x4095, {0xb6, 0x3d, 0x69, 0xfe, 0x4b, 0x0d, 0x90, 0x30}};

HRESULT XmlWriterCreate(IStream* stream, ComRef<IXmlWriter>& writer) {
    const auto create = OptionalXmlLite().createWriter;
    if (create == nullptr) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    HRESULT result = create(kIidXmlWriter, writer.outVoid(), nullptr);
    if (SUCCEEDED(result)) result = writer->SetOutput(stream);
    if (SUCCEEDED(result)) result = writer->SetProperty(XmlWriterProperty_Indent, TRUE);
    return result;
}

// Wine's writer puts attribute values out as they are, Windows' escapes them. Asking the
// writer in use once keeps such values readable in both, with no double escaping.
bool WriterEscapesAttributes() {
    static const bool escapes = [] {
        ComRef<IStream> stream;
        *stream.out() = SHCreateMemStream(nullptr, 0);
        ComRef<IXmlWriter> writer;
        if (stream.get() == nullptr || FAILED(XmlWriterCreate(stream.get(), writer))) return true;
        writer->WriteStartElement(nullptr, L"a", nullptr);
        writer->WriteAttributeString(nullptr, L"b", nullptr, L"&");
        writer->WriteEndElement();
        writer->Flush();
        char bytes[64] = {};
        ULONG got = 0;
        const LARGE_INTEGER start{};
        if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
            FAILED(stream->Read(bytes, sizeof bytes - 1, &got))) {
            return true;
        }
        return std::string(bytes, got).find("&amp;") != std::string::npos;
    }();
    return escapes;
}

std::wstring AttributeText(const std::wstring& value) {
    if (WriterEscapesAttributes()) return value;
    std::wstring escaped;
    for (const wchar_t c : value) {
        switch (c) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

HRESULT WriteDocument(const std::wstring& path, const SettingsPairs& pairs) {
    ComRef<IStream> stream;
    HRESULT result = SHCreateStreamOnFileEx(path.c_str(), STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE,
                                            FILE_ATTRIBUTE_NORMAL, TRUE, nullptr, stream.out());
    if (FAILED(result)) return result;
    ComRef<IXmlWriter> writer;
    result = XmlWriterCreate(stream.get(), writer);
    if (SUCCEEDED(result)) result = writer->WriteStartDocument(XmlStandalone_Omit);
    if (SUCCEEDED(result)) result = writer->WriteStartElement(nullptr, L"settings", nullptr);
    if (SUCCEEDED(result)) result = writer->WriteAttributeString(nullptr, kSettingsVersionKey, nullptr, kSettingsVersion);
    for (const auto& [key, value] : pairs) {
        if (FAILED(result)) break;
        result = writer->WriteStartElement(nullptr, L"set", nullptr);
        if (SUCCEEDED(result))
            result = writer->WriteAttributeString(nullptr, key.c_str(), nullptr, AttributeText(value).c_str());
        if (SUCCEEDED(result)) result = writer->WriteFullEndElement();
    }
    if (SUCCEEDED(result)) result = writer->WriteFullEndElement();
    if (SUCCEEDED(result)) result = writer->WriteEndDocument();
    if (SUCCEEDED(result)) result = writer->Flush();
    // Wine's writer refuses any output after the root element, so the final line feed goes
    // straight to the stream.
    ULONG written = 0;
    if (SUCCEEDED(result)) result = stream->Write("\n", 1, &written);
    if (SUCCEEDED(result)) result = stream->Commit(STGC_DEFAULT);
    return result;
}

void HideOnDesktop(const std::wstring& path) {
    wchar_t full[MAX_PATH * 2];
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
    if (length == 0 || length >= std::size(full) || !TextContainsNoCase(full, L"Desktop")) return;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
}

// Windows refuses to open or replace such a file for writing; Wine run by root does not, so
// the attribute is asked for directly.
bool FileIsReadOnly(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

bool SettingsFileWritable(const std::wstring& path) {
    if (FileIsReadOnly(path)) return false;
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

bool SettingsFileRead(const std::wstring& path, const SettingsPairSink& sink) {
    ComRef<IStream> stream;
    if (FAILED(SHCreateStreamOnFileEx(path.c_str(), STGM_READ | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL, FALSE,
                                      nullptr, stream.out()))) {
        return false;
    }
    const auto create = OptionalXmlLite().createReader;
    ComRef<IXmlReader> reader;
    if (create == nullptr || FAILED(create(kIidXmlReader, reader.outVoid(), nullptr)) ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(stream.get()))) {
        return true;
    }
    XmlNodeType node = XmlNodeType_None;
    while (reader->Read(&node) == S_OK) {
        if (node != XmlNodeType_Element || reader->MoveToFirstAttribute() != S_OK) continue;
        const WCHAR* key = nullptr;
        const WCHAR* value = nullptr;
        UINT keyLength = 0, valueLength = 0;
        if (FAILED(reader->GetLocalName(&key, &keyLength)) || FAILED(reader->GetValue(&value, &valueLength))) break;
        sink(std::wstring_view(key, keyLength), std::wstring_view(value, valueLength));
    }
    return true;
}

bool SettingsFileWrite(const std::wstring& path, const SettingsPairs& pairs, bool hideOnDesktop, std::uint32_t& error) {
    // A crash or a full disk must never leave a half-written settings file behind: the
    // document goes to a file beside it that replaces the old one only once complete.
    const std::wstring temporary = path + L".new";
    if (FileIsReadOnly(path)) {
        error = ERROR_ACCESS_DENIED;
        return false;
    }
    HRESULT written = WriteDocument(temporary, pairs);
    if (SUCCEEDED(written) &&
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        written = HRESULT_FROM_WIN32(GetLastError());
    }
    if (FAILED(written)) {
        error = static_cast<std::uint32_t>(written);
        DeleteFileW(temporary.c_str());
        return false;
    }
    if (hideOnDesktop) HideOnDesktop(path);
    return true;
}
