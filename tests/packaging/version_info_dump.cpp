// Prints the fields of a raw Windows version resource (VS_VERSIONINFO), one per line, so that
// a test can compare them with the record the executable must carry. Any malformed structure
// (a length running past its parent, a missing terminator, a bad signature) is an error.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::size_t align4(std::size_t at)
{
    return (at + 3) & ~std::size_t {3};
}

std::uint16_t word(const Bytes &bytes, std::size_t at)
{
    if (at + 2 > bytes.size())
        throw std::runtime_error("read past the end at offset " + std::to_string(at));
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t dword(const Bytes &bytes, std::size_t at)
{
    return word(bytes, at) | std::uint32_t {word(bytes, at + 2)} << 16;
}

// UTF-16 code units to UTF-8; unpaired surrogates are an error.
std::string toUtf8(const std::u16string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            throw std::runtime_error("unpaired surrogate in a string");
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// One block of the resource: a length, a value length, a type (1 text, 0 binary), a key, a
// value and child blocks, each part starting on a 32-bit boundary.
struct Block
{
    std::size_t end = 0;
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
    std::string key;
    std::size_t value = 0;
    std::size_t children = 0;
};

Block readBlock(const Bytes &bytes, std::size_t at, std::size_t limit)
{
    Block block;
    const std::uint16_t length = word(bytes, at);
    block.end = at + length;
    if (length < 6 || block.end > limit)
        throw std::runtime_error("block at offset " + std::to_string(at) + " overruns its parent");
    block.valueLength = word(bytes, at + 2);
    block.type = word(bytes, at + 4);
    std::u16string key;
    std::size_t pos = at + 6;
    for (; pos + 2 <= block.end && word(bytes, pos) != 0; pos += 2)
        key += static_cast<char16_t>(word(bytes, pos));
    if (pos + 2 > block.end)
        throw std::runtime_error("unterminated key at offset " + std::to_string(at));
    block.key = toUtf8(key);
    block.value = align4(pos + 2);
    const std::size_t valueBytes = block.type == 1 ? block.valueLength * 2u : block.valueLength;
    if (block.value + valueBytes > block.end)
        throw std::runtime_error("value of " + block.key + " overruns its block");
    block.children = align4(block.value + valueBytes);
    return block;
}

std::vector<Block> childrenOf(const Bytes &bytes, const Block &parent)
{
    std::vector<Block> children;
    for (std::size_t at = parent.children; at < parent.end; at = align4(children.back().end))
        children.push_back(readBlock(bytes, at, parent.end));
    return children;
}

// A text value holds its characters and exactly one terminating NUL.
std::string textValue(const Bytes &bytes, const Block &block)
{
    if (block.type != 1 || block.valueLength == 0)
        throw std::runtime_error(block.key + " is not a text value");
    std::u16string text;
    for (std::size_t i = 0; i + 1 < block.valueLength; ++i) {
        const std::uint16_t c = word(bytes, block.value + 2 * i);
        if (c == 0)
            throw std::runtime_error(block.key + " holds a NUL before its end");
        text += static_cast<char16_t>(c);
    }
    if (word(bytes, block.value + 2 * (block.valueLength - 1u)) != 0)
        throw std::runtime_error(block.key + " is not NUL-terminated");
    return toUtf8(text);
}

std::string hex(std::uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string dotted(std::uint32_t high, std::uint32_t low)
{
    return std::to_string(high >> 16) + '.' + std::to_string(high & 0xFFFF) + '.'
        + std::to_string(low >> 16) + '.' + std::to_string(low & 0xFFFF);
}

void printFixedInfo(const Bytes &bytes, const Block &root)
{
    if (root.valueLength != 52)
        throw std::runtime_error(
            "fixed file info is " + std::to_string(root.valueLength) + " bytes, not 52");
    const auto field = [&](int index) { return dword(bytes, root.value + 4u * index); };
    std::cout << "Signature " << hex(field(0), 8) << '\n'
              << "StructVersion " << hex(field(1), 8) << '\n'
              << "FILEVERSION " << dotted(field(2), field(3)) << '\n'
              << "PRODUCTVERSION " << dotted(field(4), field(5)) << '\n'
              << "FILEFLAGSMASK " << hex(field(6), 1) << '\n'
              << "FILEFLAGS " << hex(field(7), 1) << '\n'
              << "FILEOS " << hex(field(8), 1) << '\n'
              << "FILETYPE " << hex(field(9), 1) << '\n'
              << "FILESUBTYPE " << hex(field(10), 1) << '\n'
              << "FILEDATE " << hex(field(11), 1) << ' ' << hex(field(12), 1) << '\n';
}

void printVersionInfo(const Bytes &bytes)
{
    const Block root = readBlock(bytes, 0, bytes.size());
    std::cout << root.key << '\n';
    printFixedInfo(bytes, root);
    for (const Block &section : childrenOf(bytes, root)) {
        for (const Block &entry : childrenOf(bytes, section)) {
            const std::string path = section.key + '/' + entry.key;
            if (section.key == "StringFileInfo") {
                for (const Block &string : childrenOf(bytes, entry))
                    std::cout << path << '/' << string.key << '=' << textValue(bytes, string)
                              << '\n';
            } else if (section.key == "VarFileInfo") {
                if (entry.type != 0 || entry.valueLength % 4 != 0)
                    throw std::runtime_error(path + " is not a list of language pairs");
                std::cout << path << '=';
                for (std::size_t at = 0; at < entry.valueLength; at += 4)
                    std::cout << (at ? " " : "") << hex(word(bytes, entry.value + at), 4) << ' '
                              << word(bytes, entry.value + at + 2);
                std::cout << '\n';
            } else {
                throw std::runtime_error("unknown section " + section.key);
            }
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: version_info_dump VERSION-RESOURCE-FILE\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const Bytes bytes {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file || bytes.empty()) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 1;
    }
    try {
        printVersionInfo(bytes);
    } catch (const std::exception &error) {
        std::cerr << argv[1] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
