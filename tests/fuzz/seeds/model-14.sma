
5
0, span
6, 
14.5, x
19.5, x
23, span
2
1, 1, 0, 
5, 1, 0, span
2
2.1e+11, span
2E8, "quoted, with comma"
1
8.5E-6, "quoted, with comma"
4
1, 2, 2, 1, x
2, 3, 2, 1, "quoted, with comma"
4
3, 1
1, 
4, 5, 1, 1, span
2
2, 3, 3, 4, 0, 0.25, 
1, 1, 8, 9, 0.5, 0.5, x
0
