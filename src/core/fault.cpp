#include "core/fault.h"

#include <new>
#include <stdexcept>

namespace ondarel {

const char* Fault::what() const noexcept { return faultMessage(kind_).c_str(); }

void raiseFloatingPointFault() { throw Fault(FaultKind::FloatingPoint); }
void raiseFileFault() { throw Fault(FaultKind::Other); }

const std::string& faultMessage(FaultKind kind)
{
    static const std::string integer = "Erro de operação com números inteiros !";
    static const std::string floating = "Erro de operação com dados do tipo real !";
    static const std::string cast = "Erro de atribuição inválido !";
    static const std::string conversion = "Erro de converção !";
    static const std::string access = "Acesso ilegal de memória !";
    static const std::string stack = "Acesso ilegal ao segmento !";
    static const std::string other = "Há erro no progrma !";
    switch (kind) {
        case FaultKind::Integer: return integer;
        case FaultKind::FloatingPoint: return floating;
        case FaultKind::InvalidCast: return cast;
        case FaultKind::Conversion: return conversion;
        case FaultKind::AccessViolation: return access;
        case FaultKind::StackOverflow: return stack;
        case FaultKind::Other: break;
    }
    return other;
}

std::string messageForCurrentException()
{
    try {
        throw;
    } catch (const Fault& fault) {
        return faultMessage(fault.kind());
    } catch (const std::overflow_error&) {
        return faultMessage(FaultKind::FloatingPoint);
    } catch (const std::bad_cast&) {
        return faultMessage(FaultKind::InvalidCast);
    } catch (...) {
        return faultMessage(FaultKind::Other);
    }
}

}  // namespace ondarel
