
5
0, x
8.5, 
14, x
16, "quoted, with comma"
22, span
2
1
1, 0, "quoted, with comma"
5, 1, 0, span
1
2E8, span
2
0.0004, span
8.5E-6, 
4
1, 2, 1, 2, 
2, 3, 1, 2, span
4
3, 1, 2, "quoted, with comma"
5, 4, 1, 1, span
0
2
3, 3, 0, x
5, -3
3, x
