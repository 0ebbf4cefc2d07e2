#include "kernel/matrix4.h"

#include <utility>

namespace strata {

Matrix4 matIdentity() { return Matrix4{}; }
Matrix4 matCopy(const Matrix4& m) { return m; }

Matrix4 matMultiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 c;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
            c.m[i][j] = sum;
        }
    }
    return c;
}

Matrix4 matTranslation(double tx, double ty, double tz) {
    Matrix4 t;
    t.m[3][0] = tx;
    t.m[3][1] = ty;
    t.m[3][2] = tz;
    return t;
}

Matrix4 matTranslation(const Vector3& t) { return matTranslation(t.x, t.y, t.z); }

Matrix4 matScaling(double sx, double sy, double sz) {
    Matrix4 s;
    s.m[0][0] = sx;
    s.m[1][1] = sy;
    s.m[2][2] = sz;
    return s;
}

Matrix4 matScaling(const Vector3& s) { return matScaling(s.x, s.y, s.z); }

Matrix4 matFromAxes(const Vector3& origin, const Vector3& xAxis, const Vector3& yAxis,
                    const Vector3& zAxis) {
    Matrix4 m;
    const Vector3* rows[4] = {&xAxis, &yAxis, &zAxis, &origin};
    for (int r = 0; r < 4; ++r) {
        m.m[r][0] = rows[r]->x;
        m.m[r][1] = rows[r]->y;
        m.m[r][2] = rows[r]->z;
    }
    return m;
}

Vector3 matAxis(const Matrix4& m, int i) {
    if (i < 0 || i > 2) return vecZero();
    return {m.m[i][0], m.m[i][1], m.m[i][2]};
}

Vector3 matTranslationOf(const Matrix4& m) { return {m.m[3][0], m.m[3][1], m.m[3][2]}; }

Vector3 transformPoint(const Vector3& p, const Matrix4& m) {
    Vector3 r;
    for (int c = 0; c < 3; ++c) {
        r[c] = p.x * m.m[0][c] + p.y * m.m[1][c] + p.z * m.m[2][c] + m.m[3][c];
    }
    return r;
}

namespace {

void swapRows(Matrix4& a, int p, int q) {
    for (int c = 0; c < 4; ++c) std::swap(a.m[p][c], a.m[q][c]);
}

void scaleRow(Matrix4& a, int r, double f) {
    for (int c = 0; c < 4; ++c) a.m[r][c] *= f;
}

void addRowMultiple(Matrix4& a, int target, int source, double g) {
    for (int c = 0; c < 4; ++c) a.m[target][c] += g * a.m[source][c];
}

// The first row, from q down, with the strictly largest absolute value in column q.
int pivotRow(const Matrix4& w, int q) {
    int p = q;
    double best = w.m[q][q] < 0.0 ? -w.m[q][q] : w.m[q][q];
    for (int r = q + 1; r < 4; ++r) {
        if (w.m[r][q] > best) {
            best = w.m[r][q];
            p = r;
        } else if (-w.m[r][q] > best) {
            best = -w.m[r][q];
            p = r;
        }
    }
    return p;
}

}  // namespace

int matInvertInPlace(Matrix4& m) {
    Matrix4 w = m;
    Matrix4 inv;
    for (int q = 0; q < 4; ++q) {
        const int p = pivotRow(w, q);
        if (w.m[p][q] == 0.0) return -1;
        if (p != q) {
            swapRows(w, p, q);
            swapRows(inv, p, q);
        }
        const double f = 1.0 / w.m[q][q];
        scaleRow(w, q, f);
        scaleRow(inv, q, f);
        for (int r = 0; r < 4; ++r) {
            if (r == q) continue;
            const double g = -w.m[r][q];
            addRowMultiple(w, r, q, g);
            addRowMultiple(inv, r, q, g);
        }
    }
    m = inv;
    return 0;
}

Matrix4 matInverse(const Matrix4& m) {
    Matrix4 r = m;
    matInvertInPlace(r);
    return r;
}

double matRotationDistance(const Matrix4& a, const Matrix4& b) {
    double sum = 0.0;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const double d = a.m[r][c] - b.m[r][c];
            sum += d * d;
        }
    }
    return sum;
}

}  // namespace strata
