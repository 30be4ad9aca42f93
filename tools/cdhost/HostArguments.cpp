#include "HostArguments.h"

#include <QFileInfo>
#include <map>

#include "library/ProductInfo.h"

namespace {

std::map<QString, int> const kProducts = {
    {"korvo", kProductKorvo}, {"halokorvo", kProductHaloKorvo}, {"halofyx", kProductHaloFyx}};

QCommandLineOption const kProduct("product", "Run as this product: korvo, halokorvo or halofyx.", "product");
QCommandLineOption const kPrintCommand("print-command", "Print the command that opens the session at PATH (or a connection URL), and end.",
                                       "PATH");

// "cdhost-halofyx" is HaloFyx: a sibling launch starts a program, so the program names the product.
int ProductOfProgram(QString const& program) {
  QString const name = QFileInfo(program).fileName().toLower();
  for (auto const& [product, id] : kProducts)
    if (name.endsWith("-" + product)) return id;
  return kProductHaloKorvo;
}

}  // namespace

HostArguments::HostArguments() {
  m_parser.setApplicationDescription("cdhost: a host of the ConnectDialog library that opens sessions in a terminal.");
  m_parser.addOptions({kProduct, kPrintCommand});
  m_parser.addHelpOption();
  m_parser.addPositionalArgument("/S PATH", "Open the session at PATH at start.");
  m_parser.addPositionalArgument("URL", "Or open a connection URL (telnet://, ssh://, rlogin://, sftp://, ftp://) at start.");
  // Whatever follows /S is the path, even when it begins with a dash.
  m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

bool HostArguments::RunsWithoutWindow(QStringList const& arguments) {
  for (QString const& argument : arguments.mid(1)) {
    if (argument.compare("/S", Qt::CaseInsensitive) == 0) return false;
    if (argument == "-h" || argument == "--help" || argument.startsWith("--print-command")) return true;
  }
  return false;
}

bool HostArguments::Parse(QStringList const& arguments) {
  if (arguments.isEmpty()) return Refuse("no program name");
  if (!m_parser.parse(arguments)) return Refuse(m_parser.errorText().toStdString());
  m_help = m_parser.isSet("help");
  m_productId = ProductOfProgram(arguments.front());
  if (m_parser.isSet(kProduct)) {
    auto const named = kProducts.find(m_parser.value(kProduct).toLower());
    if (named == kProducts.end())
      return Refuse("--product takes korvo, halokorvo or halofyx, not \"" + m_parser.value(kProduct).toStdString() + "\"");
    m_productId = named->second;
  }
  if (m_parser.isSet(kPrintCommand)) m_printCommand = m_parser.value(kPrintCommand).toStdString();
  QStringList const words = m_parser.positionalArguments();
  if (words.isEmpty()) return true;
  // A desktop's URL handler hands the link alone.
  if (words.size() == 1 && words.front().contains("://")) {
    if (m_printCommand) return Refuse("--print-command and a URL cannot be used together");
    m_open = words.front().toStdString();
    return true;
  }
  if (words.size() != 2 || words.front().compare("/S", Qt::CaseInsensitive) != 0)
    return Refuse("unexpected \"" + words.join(' ').toStdString() + "\": a session is opened with /S PATH");
  if (m_printCommand) return Refuse("--print-command and /S cannot be used together");
  m_open = words.back().toStdString();
  return true;
}

std::string HostArguments::HelpText() const {
  return m_parser.helpText().replace("<executable_name>", "cdhost").toStdString();
}

bool HostArguments::Refuse(std::string error) {
  m_error = std::move(error);
  return false;
}
