#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The small arithmetic language of flight files.
//
//   numbers      12, 0.5, 1e-3
//   names        any track, state or derived value; `t` is the flight time (s)
//   operators    + - * /, unary - and !, < <= > >= == !=, && ||, c ? a : b
//   functions    min(a, b, ...)  max(a, b, ...)  clamp(x, lo, hi)  abs(x)
//                floor(x)  round(x)  sqrt(x)  pow(x, y)  mod(x, y)  frac(x)
//                sin cos tan asin acos atan (degrees)  atan2(y, x) (degrees)
//                wrap360(a)  wrap180(a)  noise(x)  lerp(a, b, f)
//
// Comparisons and logic give 1 or 0; any value other than 0 is true. An
// expression is compiled once against a name resolver that maps each name to a
// slot of the value array it is later evaluated on.
class Expression
{
public:
    // Maps a name to its slot, or returns -1 and sets the message.
    using Resolver = std::function<int(const QString &name, QString *error)>;

    Expression();
    ~Expression();
    Expression(Expression &&) noexcept;
    Expression &operator=(Expression &&) noexcept;

    // Compiles `text`. On failure returns an invalid expression and sets
    // `error` to a message that names the offending part.
    static Expression compile(const QString &text, const Resolver &resolve, QString *error);

    bool isValid() const { return m_root != nullptr; }
    double evaluate(const std::vector<double> &values) const;

    // The slot when the whole expression is one name, else -1.
    int singleSlot() const;

    struct Node;

private:
    std::unique_ptr<Node> m_root;
};

// Deterministic smooth noise in [-1, 1], continuous in x, one "bump" per unit.
double smoothNoise(double x);
