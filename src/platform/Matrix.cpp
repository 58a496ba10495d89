#include "platform/Matrix.h"

#include <cmath>

namespace platform {

Matrix Matrix::Identity()
{
    Matrix r;
    for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
    return r;
}

Matrix Matrix::Translation(float x, float y, float z)
{
    Matrix r = Identity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix Matrix::Scaling(float x, float y, float z)
{
    Matrix r;
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    r.m[3][3] = 1.0f;
    return r;
}

Matrix Matrix::RotationZ(float radians)
{
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    Matrix r = Identity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix Matrix::operator*(const Matrix& other) const
{
    Matrix r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += m[i][k] * other.m[k][j];
            r.m[i][j] = sum;
        }
    }
    return r;
}

void Matrix::TransformPoint(float x, float y, float& outX, float& outY) const
{
    outX = x * m[0][0] + y * m[1][0] + m[3][0];
    outY = x * m[0][1] + y * m[1][1] + m[3][1];
}

} // namespace platform
