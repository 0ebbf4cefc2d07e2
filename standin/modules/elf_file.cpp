#include "standin/modules/elf_file.h"

#include <elf.h>

#include <cstring>

namespace strata::standin {

namespace {

template <typename T>
T readAt(const std::vector<std::uint8_t>& bytes, std::uint64_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

std::string textAt(const std::vector<std::uint8_t>& bytes, std::uint64_t offset,
                   std::uint64_t end) {
    std::string out;
    for (std::uint64_t i = offset; i < end && bytes[i] != 0; ++i)
        out += static_cast<char>(bytes[i]);
    return out;
}

}  // namespace

ElfFile::ElfFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() < sizeof(Elf64_Ehdr) || std::memcmp(bytes_.data(), ELFMAG, SELFMAG) != 0) {
        error_ = "not an ELF file";
    } else if (bytes_[EI_CLASS] != ELFCLASS64 || bytes_[EI_DATA] != ELFDATA2LSB) {
        error_ = "not a 64-bit little-endian ELF file";
    } else {
        readSections();
    }
}

bool ElfFile::inFile(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
}

void ElfFile::readSections() {
    const auto header = readAt<Elf64_Ehdr>(bytes_, 0);
    const std::uint64_t tableSize = std::uint64_t{header.e_shnum} * sizeof(Elf64_Shdr);
    if (header.e_shentsize != sizeof(Elf64_Shdr) || !inFile(header.e_shoff, tableSize) ||
        header.e_shstrndx >= header.e_shnum) {
        error_ = "the ELF section table is damaged";
        return;
    }
    std::vector<Elf64_Shdr> raw;
    for (std::uint64_t i = 0; i < header.e_shnum; ++i) {
        raw.push_back(readAt<Elf64_Shdr>(bytes_, header.e_shoff + i * sizeof(Elf64_Shdr)));
    }
    const Elf64_Shdr& names = raw[header.e_shstrndx];
    if (!inFile(names.sh_offset, names.sh_size)) {
        error_ = "the ELF section names are damaged";
        return;
    }
    for (const Elf64_Shdr& s : raw) {
        Section section;
        if (s.sh_name < names.sh_size) {
            section.name =
                textAt(bytes_, names.sh_offset + s.sh_name, names.sh_offset + names.sh_size);
        }
        section.type = s.sh_type;
        section.offset = s.sh_offset;
        section.size = s.sh_type == SHT_NOBITS ? 0 : s.sh_size;
        section.link = s.sh_link;
        sections_.push_back(section);
    }
}

std::optional<std::vector<std::uint8_t>> ElfFile::section(const std::string& name) const {
    for (const Section& s : sections_) {
        if (s.name != name) continue;
        if (!inFile(s.offset, s.size)) return std::nullopt;
        const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(s.offset);
        return std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(s.size));
    }
    return std::nullopt;
}

std::vector<std::string> ElfFile::exportedSymbols() const {
    std::vector<std::string> out;
    for (const Section& s : sections_) {
        if (s.type != SHT_DYNSYM || s.link >= sections_.size()) continue;
        const Section& strings = sections_[s.link];
        if (!inFile(s.offset, s.size) || !inFile(strings.offset, strings.size)) continue;
        for (std::uint64_t off = s.offset; off + sizeof(Elf64_Sym) <= s.offset + s.size;
             off += sizeof(Elf64_Sym)) {
            const auto sym = readAt<Elf64_Sym>(bytes_, off);
            const unsigned bind = ELF64_ST_BIND(sym.st_info);
            if (sym.st_shndx == SHN_UNDEF || (bind != STB_GLOBAL && bind != STB_WEAK)) continue;
            if (sym.st_name >= strings.size) continue;
            out.push_back(
                textAt(bytes_, strings.offset + sym.st_name, strings.offset + strings.size));
        }
    }
    return out;
}

}  // namespace strata::standin
