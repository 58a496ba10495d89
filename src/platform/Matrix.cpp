#include "platform/Matrix.h"

#include <cmath>
#include <cstring>

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
    // No turn (most pictures): the cosine is 1 and the sine the angle itself, +0 or -0.
    const bool none = radians == 0.0f;
    const float c = none ? 1.0f : std::cos(radians);
    const float s = none ? radians : std::sin(radians);
    Matrix r = Identity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix Matrix::operator*(const Matrix& other) const
{
    // Four lanes at a time: row i of the product is the sum of other's rows weighted by row i of
    // this one, each element summed in the same order, from 0, as one element at a time would.
    using Lanes = float __attribute__((vector_size(16)));
    Lanes rows[4];
    std::memcpy(rows, other.m, sizeof rows);
    Matrix r;
    for (int i = 0; i < 4; ++i) {
        Lanes sum = Lanes{} + m[i][0] * rows[0];
        sum += m[i][1] * rows[1];
        sum += m[i][2] * rows[2];
        sum += m[i][3] * rows[3];
        std::memcpy(r.m[i], &sum, sizeof sum);
    }
    return r;
}

void Matrix::TransformPoint(float x, float y, float& outX, float& outY) const
{
    outX = x * m[0][0] + y * m[1][0] + m[3][0];
    outY = x * m[0][1] + y * m[1][1] + m[3][1];
}

} // namespace platform
