#include "expression.h"

#include <QtMath>

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace {

constexpr double kDeg = M_PI / 180.0;

double wrap(double a, double range)
{
    double r = std::fmod(a, range);
    if (r < 0)
        r += range;
    return r >= range ? 0.0 : r;
}

double positiveMod(double a, double b)
{
    if (b == 0)
        return 0;
    double r = std::fmod(a, b);
    if (r != 0 && ((r < 0) != (b < 0)))
        r += b;
    return r;
}

struct Function
{
    const char *name;
    int minArgs;
    int maxArgs; // -1: any number
    double (*apply)(const double *args, int count);
};

const Function kFunctions[] = {
    {"min", 1, -1, [](const double *a, int n) { double r = a[0]; for (int i = 1; i < n; ++i) r = std::min(r, a[i]); return r; }},
    {"max", 1, -1, [](const double *a, int n) { double r = a[0]; for (int i = 1; i < n; ++i) r = std::max(r, a[i]); return r; }},
    {"clamp", 3, 3, [](const double *a, int) { return std::min(std::max(a[0], a[1]), a[2]); }},
    {"abs", 1, 1, [](const double *a, int) { return std::fabs(a[0]); }},
    {"floor", 1, 1, [](const double *a, int) { return std::floor(a[0]); }},
    {"round", 1, 1, [](const double *a, int) { return std::floor(a[0] + 0.5); }},
    {"sqrt", 1, 1, [](const double *a, int) { return a[0] > 0 ? std::sqrt(a[0]) : 0.0; }},
    {"pow", 2, 2, [](const double *a, int) { return std::pow(a[0], a[1]); }},
    {"mod", 2, 2, [](const double *a, int) { return positiveMod(a[0], a[1]); }},
    {"frac", 1, 1, [](const double *a, int) { return a[0] - std::floor(a[0]); }},
    {"sin", 1, 1, [](const double *a, int) { return std::sin(a[0] * kDeg); }},
    {"cos", 1, 1, [](const double *a, int) { return std::cos(a[0] * kDeg); }},
    {"tan", 1, 1, [](const double *a, int) { return std::tan(a[0] * kDeg); }},
    {"asin", 1, 1, [](const double *a, int) { return std::asin(std::min(1.0, std::max(-1.0, a[0]))) / kDeg; }},
    {"acos", 1, 1, [](const double *a, int) { return std::acos(std::min(1.0, std::max(-1.0, a[0]))) / kDeg; }},
    {"atan", 1, 1, [](const double *a, int) { return std::atan(a[0]) / kDeg; }},
    {"atan2", 2, 2, [](const double *a, int) { return std::atan2(a[0], a[1]) / kDeg; }},
    {"wrap360", 1, 1, [](const double *a, int) { return wrap(a[0], 360.0); }},
    {"wrap180", 1, 1, [](const double *a, int) { return wrap(a[0] + 180.0, 360.0) - 180.0; }},
    {"noise", 1, 1, [](const double *a, int) { return smoothNoise(a[0]); }},
    {"lerp", 3, 3, [](const double *a, int) { return a[0] + (a[1] - a[0]) * a[2]; }},
};

enum class Op { Number, Slot, Neg, Not, Add, Sub, Mul, Div, Lt, Le, Gt, Ge, Eq, Ne, And, Or, Cond, Call };

} // namespace

struct Expression::Node
{
    Op op = Op::Number;
    double number = 0;
    int slot = -1;
    const Function *function = nullptr;
    std::vector<std::unique_ptr<Node>> kids;

    double eval(const std::vector<double> &s) const
    {
        switch (op) {
        case Op::Number: return number;
        case Op::Slot: return s[size_t(slot)];
        case Op::Neg: return -kids[0]->eval(s);
        case Op::Not: return kids[0]->eval(s) == 0 ? 1 : 0;
        case Op::Add: return kids[0]->eval(s) + kids[1]->eval(s);
        case Op::Sub: return kids[0]->eval(s) - kids[1]->eval(s);
        case Op::Mul: return kids[0]->eval(s) * kids[1]->eval(s);
        case Op::Div: {
            const double d = kids[1]->eval(s);
            return d == 0 ? 0.0 : kids[0]->eval(s) / d; // a flight never stops on a zero speed
        }
        case Op::Lt: return kids[0]->eval(s) < kids[1]->eval(s);
        case Op::Le: return kids[0]->eval(s) <= kids[1]->eval(s);
        case Op::Gt: return kids[0]->eval(s) > kids[1]->eval(s);
        case Op::Ge: return kids[0]->eval(s) >= kids[1]->eval(s);
        case Op::Eq: return kids[0]->eval(s) == kids[1]->eval(s);
        case Op::Ne: return kids[0]->eval(s) != kids[1]->eval(s);
        case Op::And: return kids[0]->eval(s) != 0 && kids[1]->eval(s) != 0;
        case Op::Or: return kids[0]->eval(s) != 0 || kids[1]->eval(s) != 0;
        case Op::Cond: return kids[0]->eval(s) != 0 ? kids[1]->eval(s) : kids[2]->eval(s);
        case Op::Call: {
            double args[8];
            const int n = int(kids.size());
            for (int i = 0; i < n; ++i)
                args[i] = kids[size_t(i)]->eval(s);
            return function->apply(args, n);
        }
        }
        return 0;
    }
};

namespace {

using NodePtr = std::unique_ptr<Expression::Node>;

NodePtr makeNode(Op op, NodePtr a = nullptr, NodePtr b = nullptr)
{
    auto n = std::make_unique<Expression::Node>();
    n->op = op;
    if (a)
        n->kids.push_back(std::move(a));
    if (b)
        n->kids.push_back(std::move(b));
    return n;
}

class Parser
{
public:
    Parser(const QString &text, const Expression::Resolver &resolve)
        : m_text(text), m_resolve(resolve) {}

    NodePtr parseAll(QString *error)
    {
        NodePtr root = parseConditional();
        skipSpace();
        if (root && m_pos < m_text.size())
            fail(QStringLiteral("unexpected '%1'").arg(m_text.mid(m_pos, 12)));
        if (!m_error.isEmpty()) {
            if (error)
                *error = m_error;
            return nullptr;
        }
        return root;
    }

private:
    void fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool accept(const char *token)
    {
        skipSpace();
        const QLatin1String t(token);
        if (!m_text.mid(m_pos).startsWith(t))
            return false;
        // "<" must not swallow the first half of "<=", and so on.
        if (t.size() == 1 && m_pos + 1 < m_text.size()) {
            const QChar next = m_text.at(m_pos + 1);
            if ((t == QLatin1String("<") || t == QLatin1String(">") || t == QLatin1String("!")) && next == QLatin1Char('='))
                return false;
        }
        m_pos += int(t.size());
        return true;
    }

    NodePtr parseConditional()
    {
        NodePtr cond = parseOr();
        if (!cond || !accept("?"))
            return cond;
        NodePtr yes = parseConditional();
        if (!accept(":")) {
            fail(QStringLiteral("'?' without its ':'"));
            return nullptr;
        }
        NodePtr no = parseConditional();
        if (!yes || !no)
            return nullptr;
        NodePtr n = makeNode(Op::Cond, std::move(cond), std::move(yes));
        n->kids.push_back(std::move(no));
        return n;
    }

    struct BinaryOp
    {
        const char *token;
        Op op;
    };
    using Level = NodePtr (Parser::*)();

    // One level of left-associative operators over the next level down.
    NodePtr parseLeftAssociative(Level next, std::initializer_list<BinaryOp> ops)
    {
        NodePtr left = (this->*next)();
        while (left) {
            const BinaryOp *found = nullptr;
            for (const BinaryOp &o : ops) {
                if (accept(o.token)) {
                    found = &o;
                    break;
                }
            }
            if (!found)
                break;
            NodePtr right = (this->*next)();
            if (!right)
                return nullptr;
            left = makeNode(found->op, std::move(left), std::move(right));
        }
        return left;
    }

    NodePtr parseOr() { return parseLeftAssociative(&Parser::parseAnd, {{"||", Op::Or}}); }
    NodePtr parseAnd() { return parseLeftAssociative(&Parser::parseComparison, {{"&&", Op::And}}); }

    NodePtr parseComparison()
    {
        NodePtr left = parseSum();
        if (!left)
            return nullptr;
        static const struct { const char *token; Op op; } ops[] = {
            {"<=", Op::Le}, {">=", Op::Ge}, {"==", Op::Eq}, {"!=", Op::Ne}, {"<", Op::Lt}, {">", Op::Gt}};
        for (const auto &o : ops) {
            if (accept(o.token)) {
                NodePtr right = parseSum();
                if (!right)
                    return nullptr;
                return makeNode(o.op, std::move(left), std::move(right));
            }
        }
        return left;
    }

    NodePtr parseSum() { return parseLeftAssociative(&Parser::parseProduct, {{"+", Op::Add}, {"-", Op::Sub}}); }
    NodePtr parseProduct() { return parseLeftAssociative(&Parser::parseUnary, {{"*", Op::Mul}, {"/", Op::Div}}); }

    NodePtr parseUnary()
    {
        if (accept("-")) {
            NodePtr inner = parseUnary();
            return inner ? makeNode(Op::Neg, std::move(inner)) : nullptr;
        }
        if (accept("!")) {
            NodePtr inner = parseUnary();
            return inner ? makeNode(Op::Not, std::move(inner)) : nullptr;
        }
        if (accept("+"))
            return parseUnary();
        return parsePrimary();
    }

    NodePtr parsePrimary()
    {
        skipSpace();
        if (m_pos >= m_text.size()) {
            fail(QStringLiteral("expression ends too early"));
            return nullptr;
        }
        if (accept("(")) {
            NodePtr inner = parseConditional();
            if (inner && !accept(")")) {
                fail(QStringLiteral("missing ')'"));
                return nullptr;
            }
            return inner;
        }
        const QChar c = m_text.at(m_pos);
        if (c.isDigit() || c == QLatin1Char('.'))
            return parseNumber();
        if (c.isLetter() || c == QLatin1Char('_'))
            return parseName();
        fail(QStringLiteral("unexpected '%1'").arg(c));
        return nullptr;
    }

    NodePtr parseNumber()
    {
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == QLatin1Char('.')))
            ++m_pos;
        if (m_pos < m_text.size() && (m_text.at(m_pos) == QLatin1Char('e') || m_text.at(m_pos) == QLatin1Char('E'))) {
            int p = m_pos + 1;
            if (p < m_text.size() && (m_text.at(p) == QLatin1Char('-') || m_text.at(p) == QLatin1Char('+')))
                ++p;
            if (p < m_text.size() && m_text.at(p).isDigit()) {
                m_pos = p;
                while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
                    ++m_pos;
            }
        }
        bool ok = false;
        const QString literal = m_text.mid(start, m_pos - start);
        const double value = literal.toDouble(&ok);
        if (!ok) {
            fail(QStringLiteral("'%1' is not a number").arg(literal));
            return nullptr;
        }
        auto n = makeNode(Op::Number);
        n->number = value;
        return n;
    }

    NodePtr parseName()
    {
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        const QString name = m_text.mid(start, m_pos - start);
        if (accept("("))
            return parseCall(name);
        QString why;
        const int slot = m_resolve ? m_resolve(name, &why) : -1;
        if (slot < 0) {
            fail(why.isEmpty() ? QStringLiteral("unknown name '%1'").arg(name) : why);
            return nullptr;
        }
        auto n = makeNode(Op::Slot);
        n->slot = slot;
        return n;
    }

    NodePtr parseCall(const QString &name)
    {
        const Function *function = nullptr;
        for (const Function &f : kFunctions) {
            if (name == QLatin1String(f.name))
                function = &f;
        }
        if (!function) {
            fail(QStringLiteral("unknown function '%1'").arg(name));
            return nullptr;
        }
        auto n = makeNode(Op::Call);
        n->function = function;
        if (!accept(")")) {
            do {
                NodePtr arg = parseConditional();
                if (!arg)
                    return nullptr;
                n->kids.push_back(std::move(arg));
            } while (accept(","));
            if (!accept(")")) {
                fail(QStringLiteral("missing ')' after the arguments of %1").arg(name));
                return nullptr;
            }
        }
        const int count = int(n->kids.size());
        const int most = function->maxArgs < 0 ? 8 : function->maxArgs;
        if (count < function->minArgs || count > most) {
            fail(QStringLiteral("%1 takes %2 argument(s), not %3")
                     .arg(name)
                     .arg(function->maxArgs == function->minArgs ? QString::number(function->minArgs)
                                                                 : QStringLiteral("%1 to %2").arg(function->minArgs).arg(most))
                     .arg(count));
            return nullptr;
        }
        return n;
    }

    QString m_text;
    const Expression::Resolver &m_resolve;
    int m_pos = 0;
    QString m_error;
};

} // namespace

Expression::Expression() = default;
Expression::~Expression() = default;
Expression::Expression(Expression &&) noexcept = default;
Expression &Expression::operator=(Expression &&) noexcept = default;

Expression Expression::compile(const QString &text, const Resolver &resolve, QString *error)
{
    Expression e;
    if (text.trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("empty expression");
        return e;
    }
    Parser parser(text, resolve);
    e.m_root = parser.parseAll(error);
    return e;
}

double Expression::evaluate(const std::vector<double> &values) const
{
    return m_root ? m_root->eval(values) : 0.0;
}

int Expression::singleSlot() const
{
    return m_root && m_root->op == Op::Slot ? m_root->slot : -1;
}

double smoothNoise(double x)
{
    if (!std::isfinite(x))
        return 0;
    const double cell = std::floor(x);
    const double f = x - cell;
    auto lattice = [](int64_t i) {
        uint32_t h = uint32_t(i) * 374761393u + 668265263u;
        h = (h ^ (h >> 13)) * 1274126177u;
        h ^= h >> 16;
        return double(h & 0xffffu) / 32767.5 - 1.0;
    };
    const double a = lattice(int64_t(cell));
    const double b = lattice(int64_t(cell) + 1);
    const double s = f * f * (3 - 2 * f);
    return a + (b - a) * s;
}
