// The two mesh models (course and car): loading from .x files and releasing them.
#pragma once

#include <d3dx9.h>

// One mesh with its own material copies and one texture per material.
// All fields zero is the empty model, which draws as nothing.
struct MeshModel {
    ID3DXMesh* pMesh;                   // one reference owned; null while empty
    D3DMATERIAL9* pMeshMaterials;       // dwNumMaterials entries, Ambient = Diffuse
    IDirect3DTexture9** pMeshTextures;  // dwNumMaterials entries, each null or one reference owned
    DWORD dwNumMaterials;               // subsets drawn; 0 while empty
    D3DXVECTOR3 vecPosition;            // as handed to the load; not read by drawing
};

constexpr int kCourseModel = 0;  // loaded from "crs.x"
constexpr int kCarModel = 1;     // loaded from "F1.x"

// Course and car; empty until InitD3D loads them, emptied again by Cleanup.
extern MeshModel models[2];

// Fills the empty model from an .x file through pd3dDevice, which must exist.
// filename and the texture names the file stores resolve against the current
// directory. Returns S_OK when the mesh loaded (whatever became of its textures,
// each failed one reported in a box), else E_FAIL after the X-file box captioned
// with filename, the model left empty but for vecPosition.
HRESULT LoadXFile(MeshModel* model, const char* filename, D3DXVECTOR3 position);

// Releases the textures and the mesh, frees both arrays and leaves the model
// empty. Safe on an empty model and when called twice.
void ReleaseModel(MeshModel* model);
