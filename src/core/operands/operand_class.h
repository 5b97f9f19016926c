#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Operand texts and their classes: pure functions of the text, never the symbol table.
// Classes are short texts ("MW", "I", "T.Q", "N", "D" ...); "" means not an operand.

// Returned by ClasseOperando for the empty text and for "%" alone.
inline constexpr std::string_view kOperandoVazio = "Operando Vazio";
inline constexpr std::string_view kOperandoIncompleto = "Operando Incompleto";

// Returned by NumeroOperando and SufixoOperando when there is no such part.
inline constexpr std::string_view kErro = "Erro";

// TamanhoOperando of a class that has no size (timers and counters as a whole, constants...).
inline constexpr int kNoSize = -1;

// The class text of an operand: "MW", "T.Q", "N" (decimal number), "D" (a name), "L"/"B"/"O"
// (compiler internals), "Operando Vazio", "Operando Incompleto", or "" (not an operand).
std::string ClasseOperando(std::string_view operand);

// True when the class is a real operand class ("" and the two "Operando ..." texts are not).
bool isOperandClass(std::string_view cls);

// The number part: from the first decimal digit up to the next "." (%PID2.KP gives "2");
// a text without digits gives its last character, the empty text "Erro".
std::string NumeroOperando(std::string_view operand);

// The field part: the text after the first "."; "Erro" when there is no ".".
std::string SufixoOperando(std::string_view operand);

// True when the text is not empty and every character is a decimal digit.
bool SoDigitos(std::string_view text);

// A decimal 32-bit integer with optional leading '-' and nothing else; nullopt otherwise.
std::optional<std::int32_t> toInt32(std::string_view text);

// The size class of the operand: 0 bit, 1 byte, 2 word, 4 long; kNoSize for the others.
int TamanhoOperando(std::string_view operand);

// The size class of a class text (as TamanhoOperando, given the class).
int TamanhoClasse(std::string_view cls);

// The not-a-number test: true when the class of the text is not "N".
bool isNotNumber(std::string_view operand);

// The sort position 0..39 of a class text; unlisted classes sort at 0 together with "I".
int OrdemClasse(std::string_view cls);

// Operand sort order: 2 when a sorts before b, 1 when b sorts before a, 0 when equal in order.
// A strict weak order (two empty texts are equal).
int ComparaOperandos(std::string_view a, std::string_view b);

// ComparaOperandos as a sort predicate: true when a sorts before b.
inline bool operandLess(std::string_view a, std::string_view b) {
    return ComparaOperandos(a, b) == 2;
}

} // namespace velmora
