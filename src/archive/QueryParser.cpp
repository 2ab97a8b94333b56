#include "archive/QueryParser.h"

#include <QChar>
#include <QString>

namespace plivant {

namespace {

// Longer input is cut: nobody types that much into a search.
constexpr size_t kMaxText = 4096;
constexpr size_t kMaxTerms = 64;

// Letters, digits and private-use characters make words, as in the index's tokenizer.
bool IsWordChar(char32_t c) {
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Other_PrivateUse;
}

// "ё" is read as "е", as in the index.
char32_t Fold(char32_t c) {
    if (c == U'ё') return U'е';
    if (c == U'Ё') return U'Е';
    return c;
}

std::string Utf8(const std::u32string& text) {
    return QString::fromStdU32String(text).toStdString();
}

// Collects tokens of one term.
class TermBuilder {
public:
    void Add(char32_t c) {
        if (IsWordChar(c)) {
            token_ += Fold(c);
        } else {
            EndToken();
        }
    }
    void EndToken() {
        if (!token_.empty()) term_.Tokens.push_back(Utf8(token_));
        token_.clear();
    }
    void End(bool prefix, std::vector<QueryTerm>& terms) {
        EndToken();
        term_.Prefix = prefix;
        if (!term_.Tokens.empty() && terms.size() < kMaxTerms) terms.push_back(std::move(term_));
        term_ = {};
    }

private:
    std::u32string token_;
    QueryTerm term_;
};

void AppendQuoted(std::string& out, const QueryTerm& term) {
    out += '"';
    for (size_t i = 0; i < term.Tokens.size(); ++i) {
        if (i) out += ' ';
        for (char c : term.Tokens[i]) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    out += '"';
    if (term.Prefix) out += " *";
}

}  // namespace

std::vector<QueryTerm> ParseQuery(std::string_view text) {
    text = text.substr(0, kMaxText);
    const std::u32string chars =
        QString::fromUtf8(text.data(), qsizetype(text.size())).toStdU32String();
    std::vector<QueryTerm> terms;
    TermBuilder term;
    bool inPhrase = false;
    for (char32_t c : chars) {
        if (c == U'"') {
            term.End(!inPhrase, terms);  // a phrase ends exact; a word before a quote a prefix
            inPhrase = !inPhrase;
        } else if (!inPhrase && QChar::isSpace(c)) {
            term.End(true, terms);
        } else {
            term.Add(c);
        }
    }
    term.End(true, terms);
    return terms;
}

std::string MatchExpression(const std::vector<QueryTerm>& terms, SearchFlags flags) {
    std::string expression;
    if (terms.empty()) {
        expression = "marks : a";
    } else {
        expression = "{text full_text} : (";
        for (size_t i = 0; i < terms.size(); ++i) {
            if (i) expression += ' ';
            AppendQuoted(expression, terms[i]);
        }
        expression += ')';
    }
    if (flags.ImportantOnly) expression += " AND marks : i";
    if (flags.FullTextOnly) expression += " AND marks : f";
    return expression;
}

}  // namespace plivant
