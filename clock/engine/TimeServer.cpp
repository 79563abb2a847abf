// CTimeServer: five archive strings, schema 1.
#include "TimeServer.h"

IMPLEMENT_SERIAL(CTimeServer, CObject, 1)

void CTimeServer::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strServer << m_strDescription << m_strSpare1 << m_strSpare2 << m_strSpare3;
    else
        ar >> m_strServer >> m_strDescription >> m_strSpare1 >> m_strSpare2 >> m_strSpare3;
}
