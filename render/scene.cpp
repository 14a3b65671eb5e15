// Scene drawing: world, view and projection transforms, light 0 and the subsets of the course and the car.
#include "scene.h"

#include "device.h"
#include "drive.h"

namespace {

// matRotation = RotationY(fRotY) x RotationX(fRotX) x RotationZ(fRotZ), each factor made in matRotation2.
void BuildRotation(D3DXMATRIX* matRotation, float fRotX, float fRotY, float fRotZ) {
    D3DXMATRIX matRotation2;
    D3DXMatrixIdentity(matRotation);
    D3DXMatrixRotationY(&matRotation2, fRotY);
    D3DXMatrixMultiply(matRotation, matRotation, &matRotation2);
    D3DXMatrixRotationX(&matRotation2, fRotX);
    D3DXMatrixMultiply(matRotation, matRotation, &matRotation2);
    D3DXMatrixRotationZ(&matRotation2, fRotZ);
    D3DXMatrixMultiply(matRotation, matRotation, &matRotation2);
}

// The world is turned by heading, pitch and bank about the origin before the look-at camera sees it.
void SetView(const ViewSettingsData& v, const D3DXVECTOR3& vecUpVec) {
    const ViewPoint lookat = LookatPoint(v);
    const D3DXVECTOR3 vecEyePt(v.fCamX, v.fCamY, v.fCamZ);
    const D3DXVECTOR3 vecLookatPt(lookat.x, lookat.y, lookat.z);
    D3DXMATRIX matView, matCameraPosition, matHeading, matPitch, matBank;
    D3DXMatrixRotationY(&matHeading, v.fCamHeading);
    D3DXMatrixRotationX(&matPitch, v.fCamPitch);
    D3DXMatrixRotationZ(&matBank, v.fCamBank);
    D3DXMatrixLookAtLH(&matCameraPosition, &vecEyePt, &vecLookatPt, &vecUpVec);
    D3DXMatrixIdentity(&matView);
    D3DXMatrixMultiply(&matView, &matView, &matHeading);
    D3DXMatrixMultiply(&matView, &matView, &matPitch);
    D3DXMatrixMultiply(&matView, &matView, &matBank);
    D3DXMatrixMultiply(&matView, &matView, &matCameraPosition);
    pd3dDevice->SetTransform(D3DTS_VIEW, &matView);
}

void SetProjection(const ViewSettingsData& v) {
    D3DXMATRIX matProj;
    D3DXMatrixPerspectiveFovLH(&matProj, FieldOfViewY(v), kAspectRatio, kNearPlane, kFarPlane);
    pd3dDevice->SetTransform(D3DTS_PROJECTION, &matProj);
}

void SetLight(const ViewSettingsData& v, float ambient) {
    // Position, Falloff, Attenuation0, Attenuation1, Attenuation2, Theta and Phi
    // mean nothing to a directional light: they stay 0.
    D3DLIGHT9 light;
    ZeroMemory(&light, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = D3DXVECTOR3(v.fLightDirX, v.fLightDirY, v.fLightDirZ);
    light.Diffuse = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 1.0f};
    light.Specular = D3DCOLORVALUE{0.0f, 0.0f, 0.0f, 0.0f};
    light.Ambient = D3DCOLORVALUE{ambient, ambient, ambient, ambient};
    light.Range = 200.0f;
    pd3dDevice->SetLight(0, &light);
    pd3dDevice->LightEnable(0, TRUE);
}

// Subset i with material i and texture i; the count is read again before each pass.
void DrawSubsets(const MeshModel* model) {
    for (DWORD i = 0; i < model->dwNumMaterials; ++i) {
        pd3dDevice->SetMaterial(&model->pMeshMaterials[i]);
        pd3dDevice->SetTexture(0, model->pMeshTextures[i]);
        model->pMesh->DrawSubset(i);
    }
}

// The steps after the world matrix, alike for course and car but for the up vector and light 0's ambient.
void DrawUnder(const MeshModel* model, const ViewSettingsData& settings, const D3DXVECTOR3& vecUpVec, float ambient) {
    SetView(settings, vecUpVec);
    SetProjection(settings);
    SetLight(settings, ambient);
    DrawSubsets(model);
}

// matWorld = matPosition x matRotation x matScale: moved, turned about y, x, z, then scaled alike on all axes.
void SetWorld(const D3DXVECTOR3& position, float fRotX, float fRotY, float fRotZ, float fScale) {
    D3DXMATRIX matWorld, matPosition, matRotation, matScale;
    D3DXMatrixTranslation(&matPosition, position.x, position.y, position.z);
    BuildRotation(&matRotation, fRotX, fRotY, fRotZ);
    D3DXMatrixScaling(&matScale, fScale, fScale, fScale);
    D3DXMatrixIdentity(&matWorld);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matPosition);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matRotation);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matScale);
    pd3dDevice->SetTransform(D3DTS_WORLD, &matWorld);
}

}  // namespace

// The translation comes first, so the course turns about the car at the origin, and is scaled with the rest.
void DrawCourseWith(const MeshModel* model, const ViewSettingsData& settings) {
    const DriveStateData& s = DriveState;
    SetWorld(D3DXVECTOR3(s.fPosX, s.fPosY, s.fPosZ), s.fCrsRotX, s.fCrsRotY, s.fCrsRotZ, settings.fCrsScale);
    DrawUnder(model, settings, D3DXVECTOR3(settings.fCrsUpX, settings.fCrsUpY, settings.fCrsUpZ), kCourseAmbient);
}

// The car stands at the origin: no translation.
void DrawCarWith(const MeshModel* model, const ViewSettingsData& settings) {
    const DriveStateData& s = DriveState;
    SetWorld(D3DXVECTOR3(0.0f, 0.0f, 0.0f), s.fCarRotX, s.fCarRotY, s.fCarRotZ, kCarScale);
    DrawUnder(model, settings, D3DXVECTOR3(kCarUpVec.x, kCarUpVec.y, kCarUpVec.z), kCarAmbient);
}

void DrawCourse(const MeshModel* model) { DrawCourseWith(model, ViewSettings); }

void DrawCar(const MeshModel* model) { DrawCarWith(model, ViewSettings); }
